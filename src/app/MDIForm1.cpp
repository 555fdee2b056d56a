#include "MDIForm1.h"

#include "ClockStatusBar.h"
#include "CommandLine.h"
#include "about/GreetingPhrase.h"
#include "about/RunCounter.h"
#include "about/frmabout.h"
#include "about/frmpilvo.h"
#include "appearance/DocumentStyle.h"
#include "appearance/frmcolor.h"
#include "appearance/frmfont.h"
#include "documents/DocumentCodec.h"
#include "documents/DocumentFormat.h"
#include "documents/RefusedCharacter.h"
#include "documents/SauceRecord.h"
#include "export/VgaFace.h"
#include "generator/frmmovie.h"
#include "palette/Form2.h"
#include "product/Messages.h"
#include "product/ProductInfo.h"
#include "settings/SettingKeys.h"
#include "shell/Module1.h"
#include "ui/DocumentEditor.h"
#include "ui/FindBar.h"
#include "ui/Form1.h"
#include "ui/ProgramArt.h"

#include <QActionGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>

namespace {

// Paths wider than this show elided in the middle in the File menu.
constexpr int kRecentItemWidth = 480;

// The work area's designed size: 14715 x 8400 twips at 15 twips a pixel.
constexpr QSize kDesignedWorkArea(981, 560);

QAction* addItem(QMenu* menu, const char* name, const QString& caption,
                 const QKeySequence& shortcut = QKeySequence())
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

QAction* addSeparator(QMenu* menu, const char* name)
{
    QAction* separator = menu->addSeparator();
    separator->setObjectName(QString::fromLatin1(name));
    return separator;
}

QMenu* addMenu(QWidget* parent, const char* name, const QString& caption)
{
    auto* menu = new QMenu(caption, parent);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

// An export of the document as it looks: its text box's colours, its file's name.
DocumentExport::Options exportOptions(const Form1& form, DocumentExport::Format format, int scale)
{
    const QPalette colours = form.txtvimb->palette();
    DocumentExport::Options options;
    options.format = format;
    options.scale = scale;
    options.text = colours.color(QPalette::Text).rgb() & 0xFFFFFF;
    options.background = colours.color(QPalette::Base).rgb() & 0xFFFFFF;
    options.title =
        form.filePath().isEmpty() ? ProductInfo::Title : QFileInfo(form.filePath()).fileName();
    return options;
}

} // namespace

MDIForm1::MDIForm1(Services services, QWidget* parent)
    : QMainWindow(parent), m_services(std::move(services)),
      m_files(
          m_services.dialogs, this, [this] { return form1(); },
          [this] { return m_form1.existing(); },
          [this](const QString& path) { SetDocumentCaptions(path); }),
      m_workArea(new QMdiArea(this)), m_form1([this] {
          auto* form = new Form1;
          DocumentStyle::applyStored(*form, m_services.programSettings);
          return addChild(form);
      }),
      m_about([this] { return addChild(new frmabout(m_services.userSettings)); }),
      m_generator([this] {
          auto* generator =
              addChild(new frmmovie(m_services.dialogs, m_services.templateDirectory,
                                    m_services.userSettings, [this] { return form1(); }));
          // Over the document, at the work area's top-left corner.
          generator->move(0, 0);
          generator->setReplaceGuard([this] { return m_files.maySetAside(); });
          return generator;
      }),
      m_colours([this] {
          return addChild(new frmcolor(m_services.dialogs, m_services.programSettings,
                                       [this] { return form1(); }));
      }),
      m_font([this] {
          return addChild(new frmfont(m_services.dialogs, m_services.programSettings,
                                      [this] { return form1(); }));
      }),
      m_palette([this] {
          return addChild(new Form2(m_services.programSettings, m_services.dialogs,
                                    [this] { return form1(); }));
      }),
      // The greeting is a window of its own, not a child of the main window.
      m_greeting([] { return new frmpilvo; })
{
    setObjectName(QStringLiteral("MDIForm1"));
    setCaption(ProductInfo::Title);
    setWindowIcon(ProgramArt::programIcon());
    m_workArea->setObjectName(QStringLiteral("MDIClient"));
    m_workArea->setBackground(palette().brush(QPalette::Dark));
    setCentralWidget(m_workArea);
    m_workArea->viewport()->installEventFilter(this);
    buildMenus();
    connectMenus();
    StatusBar1 = new ClockStatusBar(this);
    setStatusBar(StatusBar1);
    resize(kDesignedWorkArea +
           QSize(0, menuBar()->sizeHint().height() + StatusBar1->sizeHint().height()));
    fitScreen();
}

void MDIForm1::fitScreen()
{
    // The designed size where it fits; never past the screen's free area (a small screen, or a
    // large scale factor), frame included.
    const QScreen* place = screen();
    if (!place)
        return;
    const QRect free = place->availableGeometry();
    const QSize frame = frameGeometry().size() - size();
    resize(size().boundedTo(free.size() - frame));
    if (!free.contains(frameGeometry()))
        move(free.topLeft());
}

void MDIForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // The frame is known once the window is on screen.
    if (!m_shownOnce) {
        m_shownOnce = true;
        fitScreen();
    }
}

MDIForm1::~MDIForm1()
{
    m_workArea->viewport()->removeEventFilter(this);
    // The greeting has no parent to take it along.
    delete m_greeting.existing();
}

void MDIForm1::buildMenus()
{
    buildFileMenu();
    buildExportMenu();
    buildEditMenu();
    buildViewMenu();
    buildSettingsMenu();
    mnucustom = menuBar()->addAction(QStringLiteral("&Custom Characters"));
    mnucustom->setObjectName(QStringLiteral("mnucustom"));
    mnuauto = menuBar()->addAction(QStringLiteral("&Auto Generate"));
    mnuauto->setObjectName(QStringLiteral("mnuauto"));
    buildHelpMenu();
    // Alt and a caption's underlined letter open its menu; F10 opens the menu bar, as on the
    // desktops the program runs on.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(MNUFILE->menuAction()); });
}

void MDIForm1::buildFileMenu()
{
    MNUFILE = addMenu(this, "MNUFILE", QStringLiteral("&File"));
    menuBar()->addMenu(MNUFILE);
    mnunew = addItem(MNUFILE, "mnunew", QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuload =
        addItem(MNUFILE, "mnuload", QStringLiteral("&Load"), QKeySequence(Qt::CTRL | Qt::Key_L));
    // Ctrl+O too, the key that opens a file in every other program.
    mnuload->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_L), QKeySequence::Open});
    mnusave =
        addItem(MNUFILE, "mnusave", QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
    mnusaveas = addItem(MNUFILE, "mnusaveas", QStringLiteral("Save &As..."),
                        QKeySequence(Qt::CTRL | Qt::Key_K));
    mnuproperties = addItem(MNUFILE, "mnuproperties", QStringLiteral("P&roperties"));
    mnusep = addSeparator(MNUFILE, "mnusep");
    // Item 0 of the recent files; hidden until a path fills it.
    QAction* first = addItem(MNUFILE, "mnuMRU(0)", QStringLiteral("No History"));
    first->setVisible(false);
    mnuMRU.append(first);
    sep6 = addSeparator(MNUFILE, "sep6");
    mnuexit = addItem(MNUFILE, "mnuexit", QStringLiteral("E&xit"));
}

void MDIForm1::buildExportMenu()
{
    mnuexport = addMenu(MNUFILE, "mnuexport", QStringLiteral("&Export"));
    MNUFILE->insertMenu(mnusep, mnuexport);
    const auto item = [this](const char* name, const QString& caption,
                             DocumentExport::Format format) {
        QAction* action = addItem(mnuexport, name, caption);
        // A picture at the zoom's whole multiple: 200 % and 300 % give cells twice and three
        // times the size.
        connect(action, &QAction::triggered, this, [this, format] {
            mnuexport_Click(format, qBound(1, form1()->txtvimb->zoom() / 100, 4));
        });
        return action;
    };
    mnuexportpng =
        item("mnuexportpng", QStringLiteral("&PNG Picture..."), DocumentExport::Format::Png);
    mnuexporthtml =
        item("mnuexporthtml", QStringLiteral("&HTML Page..."), DocumentExport::Format::Html);
    mnuexporttxt =
        item("mnuexporttxt", QStringLiteral("&UTF-8 Text..."), DocumentExport::Format::Text);
}

void MDIForm1::buildEditMenu()
{
    mnuedit = addMenu(this, "mnuedit", QStringLiteral("&Edit"));
    menuBar()->addMenu(mnuedit);
    mnuundo = addItem(mnuedit, "mnuundo", QStringLiteral("&Undo"), QKeySequence::Undo);
    mnuredo = addItem(mnuedit, "mnuredo", QStringLiteral("&Redo"));
    mnuredo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    mnuedit->addSeparator();
    mnucut = addItem(mnuedit, "mnucut", QStringLiteral("Cu&t"), QKeySequence::Cut);
    mnuselall = addItem(mnuedit, "mnuselall", QStringLiteral("Select &All"),
                        QKeySequence(Qt::CTRL | Qt::Key_A));
    mnucopy =
        addItem(mnuedit, "mnucopy", QStringLiteral("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    mnupaste = addItem(mnuedit, "mnupaste", QStringLiteral("&Paste"));
    mnuedit->addSeparator();
    mnufind = addItem(mnuedit, "mnufind", QStringLiteral("&Find..."), QKeySequence::Find);
    mnureplace = addItem(mnuedit, "mnureplace", QStringLiteral("R&eplace..."),
                         QKeySequence(Qt::CTRL | Qt::Key_H));
    mnufindnext =
        addItem(mnuedit, "mnufindnext", QStringLiteral("Find &Next"), QKeySequence(Qt::Key_F3));
    mnufindprevious = addItem(mnuedit, "mnufindprevious", QStringLiteral("Find Pre&vious"),
                              QKeySequence(Qt::SHIFT | Qt::Key_F3));
}

void MDIForm1::buildViewMenu()
{
    mnuview = addMenu(this, "mnuview", QStringLiteral("&View"));
    menuBar()->addMenu(mnuview);
    mnuencoding = addMenu(mnuview, "mnuencoding", QStringLiteral("&Encoding"));
    mnuview->addMenu(mnuencoding);
    auto* encodings = new QActionGroup(this);
    for (const TextEncoding::Kind kind : TextEncoding::All) {
        QAction* item = addItem(mnuencoding, "", TextEncoding::name(kind));
        item->setObjectName(QStringLiteral("mnuenc(%1)").arg(int(kind)));
        item->setCheckable(true);
        encodings->addAction(item);
        connect(item, &QAction::triggered, this, [this, kind] { mnuenc_Click(kind); });
        mnuenc.append(item);
    }
    mnuwordwrap = addItem(mnuview, "mnuwordwrap", QStringLiteral("&Word Wrap"));
    mnuwordwrap->setCheckable(true);
    mnuview->addSeparator();
    mnuzoomin = addItem(mnuview, "mnuzoomin", QStringLiteral("Zoom &In"));
    mnuzoomin->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    mnuzoomout = addItem(mnuview, "mnuzoomout", QStringLiteral("Zoom &Out"), QKeySequence::ZoomOut);
    mnuzoomreset = addItem(mnuview, "mnuzoomreset", QStringLiteral("&Actual Size"),
                           QKeySequence(Qt::CTRL | Qt::Key_0));
}

void MDIForm1::buildSettingsMenu()
{
    mnusettings = addMenu(this, "mnusettings", QStringLiteral("&Settings"));
    menuBar()->addMenu(mnusettings);
    mnumisc = addMenu(mnusettings, "mnumisc", QStringLiteral("&Misc Settings"));
    mnusettings->addMenu(mnumisc);
    mnucolors = addItem(mnumisc, "mnucolors", QStringLiteral("&Color Settings"));
    mnufont = addItem(mnumisc, "mnufont", QStringLiteral("&Font Settings"));
    mnuprog = addMenu(mnusettings, "mnuprog", QStringLiteral("&Program Settings"));
    mnusettings->addMenu(mnuprog);
    mnuallow = addItem(mnuprog, "mnuallow", QStringLiteral("Allow Quilra &Link"));
    mnuallow->setCheckable(true);
    mnuassociate = addItem(mnuprog, "mnuassociate", QStringLiteral("&Associate Files"));
}

void MDIForm1::buildHelpMenu()
{
    mnuhelpme = addMenu(this, "mnuhelpme", QStringLiteral("&Help"));
    menuBar()->addMenu(mnuhelpme);
    mnuabout = addItem(mnuhelpme, "mnuabout", QStringLiteral("&About this Program"));
    mnuhelp = addItem(mnuhelpme, "mnuhelp", QStringLiteral("Online &Help"));
    mnusep9 = addSeparator(mnuhelpme, "mnusep9");
    mnudonate = addItem(mnuhelpme, "mnudonate", QStringLiteral("&Donate"));
}

void MDIForm1::connectMenus()
{
    connect(mnunew, &QAction::triggered, this, &MDIForm1::mnunew_Click);
    connect(mnuload, &QAction::triggered, this, &MDIForm1::mnuload_Click);
    connect(mnusave, &QAction::triggered, this, &MDIForm1::mnusave_Click);
    connect(mnusaveas, &QAction::triggered, this, &MDIForm1::mnusaveas_Click);
    connect(mnuMRU.constFirst(), &QAction::triggered, this, [this] { mnuMRU_Click(0); });
    connect(mnuproperties, &QAction::triggered, this, &MDIForm1::mnuproperties_Click);
    connect(mnuundo, &QAction::triggered, this, [this] { form1()->txtvimb->undo(); });
    connect(mnuredo, &QAction::triggered, this, [this] { form1()->txtvimb->redo(); });
    connect(mnucut, &QAction::triggered, this, [this] { form1()->txtvimb->cut(); });
    connect(mnuselall, &QAction::triggered, this, &MDIForm1::mnuselall_Click);
    connect(mnufind, &QAction::triggered, this, [this] { form1()->findbar->open(false); });
    connect(mnureplace, &QAction::triggered, this, [this] { form1()->findbar->open(true); });
    connect(mnufindnext, &QAction::triggered, this, [this] { form1()->findbar->findNext(); });
    connect(mnufindprevious, &QAction::triggered, this,
            [this] { form1()->findbar->findPrevious(); });
    connect(mnucopy, &QAction::triggered, this, &MDIForm1::mnucopy_Click);
    connect(mnupaste, &QAction::triggered, this, &MDIForm1::mnupaste_Click);
    connect(mnuallow, &QAction::triggered, this, &MDIForm1::mnuallow_Click);
    connect(mnuwordwrap, &QAction::triggered, this, &MDIForm1::mnuwordwrap_Click);
    connect(mnuzoomin, &QAction::triggered, this, [this] { form1()->txtvimb->zoomIn(); });
    connect(mnuzoomout, &QAction::triggered, this, [this] { form1()->txtvimb->zoomOut(); });
    connect(mnuzoomreset, &QAction::triggered, this, [this] { form1()->txtvimb->setZoom(100); });
    connect(mnuassociate, &QAction::triggered, this, &MDIForm1::associateFiles);
    connect(mnuexit, &QAction::triggered, this, &MDIForm1::mnuexit_Click);
    connect(mnuabout, &QAction::triggered, this, &MDIForm1::mnuabout_Click);
    connect(mnuauto, &QAction::triggered, this, &MDIForm1::mnuauto_Click);
    // There is no help or donation page of its own: both open the product's web site.
    connect(mnuhelp, &QAction::triggered, this, [] { Module1::OpenUrl(ProductInfo::WebAddress); });
    connect(mnudonate, &QAction::triggered, this,
            [] { Module1::OpenUrl(ProductInfo::WebAddress); });
    connect(mnucolors, &QAction::triggered, this, &MDIForm1::mnucolors_Click);
    connect(mnufont, &QAction::triggered, this, &MDIForm1::mnufont_Click);
    connect(mnucustom, &QAction::triggered, this, &MDIForm1::mnucustom_Click);
}

template <class Window> Window* MDIForm1::addChild(Window* window)
{
    m_workArea->addSubWindow(window);
    window->show();
    return window;
}

void MDIForm1::showChild(QMdiSubWindow* window)
{
    window->show();
    window->raise();
    m_workArea->setActiveSubWindow(window);
}

Form1* MDIForm1::form1()
{
    const bool created = m_form1.existing() == nullptr;
    Form1* form = m_form1.get();
    if (created) {
        fillWorkArea(form);
        connect(form->txtvimb, &DocumentEditor::textRefused, this,
                [this](const QString& message) { statusBar()->showMessage(message, 5000); });
        // Links open as the Help menu's web links do; hovering one shows where it leads.
        connect(form->txtvimb, &DocumentEditor::linkActivated, this,
                [](const QString& address) { Module1::OpenUrl(address); });
        connect(form->txtvimb, &DocumentEditor::linkHovered, this, [this](const QString& address) {
            if (address.isEmpty())
                statusBar()->clearMessage();
            else
                statusBar()->showMessage(address);
        });
        // A dropped file opens like any other, but does not enter the recent files.
        connect(form->txtvimb, &DocumentEditor::fileDropped, this, [this](const QString& path) {
            if (m_files.maySetAside())
                openDocument(path);
        });
        connect(form->txtvimb, &DocumentEditor::characterKeyPressed, this,
                &MDIForm1::checkGreeting);
        connect(form->txtvimb, &DocumentEditor::encodingChanged, this,
                &MDIForm1::updateDocumentStatus);
        connect(form->txtvimb, &DocumentEditor::undoAvailable, mnuundo, &QAction::setEnabled);
        connect(form->txtvimb, &DocumentEditor::redoAvailable, mnuredo, &QAction::setEnabled);
        connect(form->txtvimb, &DocumentEditor::copyAvailable, mnucut, &QAction::setEnabled);
        connect(form->txtvimb, &DocumentEditor::documentReplaced, this,
                &MDIForm1::updateEditActions);
        // Closing the document window drops the document: a modified one is asked about.
        form->setCloseGuard([this] { return m_files.maySetAside(); });
        connect(form, &ChildWindow::closed, this, [this] { setCaption(ProductInfo::Title); });
        updateEditActions();
        form->txtvimb->setWordWrap(m_services.userSettings.read(SettingKeys::WordWrap) ==
                                   QStringLiteral("yes"));
        // The zoom is the user's view of every document: kept per user, never in the font.
        bool stored = false;
        const int zoom = m_services.userSettings.read(SettingKeys::Zoom).toInt(&stored);
        form->txtvimb->setZoom(stored ? zoom : 100);
        showZoom(form->txtvimb->zoom());
        connect(form->txtvimb, &DocumentEditor::zoomChanged, this, [this](int percent) {
            m_services.userSettings.write(SettingKeys::Zoom, QString::number(percent));
            showZoom(percent);
        });
        updateDocumentStatus();
    }
    return form;
}

frmabout* MDIForm1::existingAbout() const
{
    return m_about.existing();
}

frmmovie* MDIForm1::existingGenerator() const
{
    return m_generator.existing();
}

Form2* MDIForm1::existingPalette() const
{
    return m_palette.existing();
}

frmpilvo* MDIForm1::existingGreeting() const
{
    return m_greeting.existing();
}

void MDIForm1::fillWorkArea(QMdiSubWindow* window)
{
    // A document window that the user minimised or maximised stays as the user left it.
    if (window->isMinimized() || window->isMaximized())
        return;
    window->setGeometry(QRect(QPoint(0, 0), m_workArea->viewport()->size()));
}

void MDIForm1::layoutDocumentWindow()
{
    fillWorkArea(form1());
}

bool MDIForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_workArea->viewport() && event->type() == QEvent::Resize)
        layoutDocumentWindow();
    return QMainWindow::eventFilter(watched, event);
}

void MDIForm1::startUp(const QString& argumentText)
{
    associateFiles();

    const UserSettings& user = m_services.userSettings;
    mnuallow->setChecked(user.read(SettingKeys::LinkAllowed) != QStringLiteral("no"));
    mnuwordwrap->setChecked(user.read(SettingKeys::WordWrap) == QStringLiteral("yes"));

    const QString opened = user.read(SettingKeys::TimesOpened);
    if (opened.isEmpty()) {
        user.write(SettingKeys::TimesOpened, QStringLiteral("0"));
    } else {
        // The about box is made now, hidden, so that it shows the count as this run began.
        frmabout* about = m_about.get();
        about->lblran->setText(opened);
        about->hide();
        user.write(SettingKeys::TimesOpened, RunCounter::increased(opened));
    }

    MRUCount = -1;
    LoadMRU();
    layoutDocumentWindow();

    // Made absolute, so that the captions and the recent files name the file from anywhere.
    QString path = CommandLine::documentPath(argumentText);
    if (!path.isEmpty())
        path = QFileInfo(path).absoluteFilePath();
    if (!path.isEmpty() && openDocument(path))
        AddToMRU(path);
}

void MDIForm1::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    SaveMRU();
}

void MDIForm1::closeEvent(QCloseEvent* event)
{
    // Exit and the close box drop the document: a modified one is asked about first.
    if (!m_unloaded && !m_files.maySetAside()) {
        event->ignore();
        return;
    }
    unload();
    event->accept();
}

void MDIForm1::SetDocumentCaptions(const QString& path)
{
    form1()->setFilePath(path);
    setCaption(path.isEmpty()
                   ? ProductInfo::Title
                   : ProductInfo::Title + QStringLiteral(" - (") + path + QLatin1Char(')'));
}

void MDIForm1::setCaption(const QString& caption)
{
    m_caption = caption;
    setWindowTitle(caption);
}

void MDIForm1::changeEvent(QEvent* event)
{
    // A maximised child window adds " - [its caption]" to the main window's; the main caption
    // stays as the document sets it.
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowTitleChange && windowTitle() != m_caption)
        setWindowTitle(m_caption);
}

NfoFile::Status MDIForm1::LoadDocumentText(const QString& path)
{
    return m_files.read(path);
}

bool MDIForm1::openDocument(const QString& path)
{
    SetDocumentCaptions(path);
    const NfoFile::Status status = LoadDocumentText(path);
    if (status == NfoFile::Status::Read)
        return true;
    m_files.reportOpenFailure(status);
    return false;
}

void MDIForm1::mnunew_Click()
{
    if (!m_files.maySetAside())
        return;
    // An untitled document: a following Save asks for a name.
    form1()->setText(QByteArray());
    SetDocumentCaptions(QString());
}

void MDIForm1::mnuload_Click()
{
    const QString path = m_services.dialogs.openFileName(this, QStringLiteral("Load NFO file"),
                                                         QStringLiteral("nfo file (*.nfo)|*.nfo"));
    if (path.isEmpty() || !m_files.maySetAside())
        return;
    SetDocumentCaptions(path);
    // The path enters the recent files before it is read, so that it stays there when it
    // cannot be opened.
    AddToMRU(path);
    const NfoFile::Status status = LoadDocumentText(path);
    if (status != NfoFile::Status::Read)
        m_files.reportOpenFailure(status);
}

void MDIForm1::mnusave_Click()
{
    m_files.save();
}

void MDIForm1::mnusaveas_Click()
{
    m_files.saveAs();
}

void MDIForm1::mnuproperties_Click()
{
    const auto sauce = SauceRecord::read(form1()->txtvimb->trailer());
    if (!sauce) {
        m_services.dialogs.message(this, Dialogs::Icon::Information, QStringLiteral("Properties"),
                                   QStringLiteral("This file has no SAUCE record."));
        return;
    }
    // CCYYMMDD as a date people read, when it is one.
    QString date = sauce->date;
    if (date.size() == 8 && date.toInt() > 0)
        date = date.left(4) + QLatin1Char('-') + date.mid(4, 2) + QLatin1Char('-') + date.mid(6);
    QStringList lines = {QStringLiteral("Title: ") + sauce->title,
                         QStringLiteral("Author: ") + sauce->author,
                         QStringLiteral("Group: ") + sauce->group, QStringLiteral("Date: ") + date,
                         QStringLiteral("Font: ") + sauce->font};
    if (!sauce->comments.isEmpty())
        lines << QString() << sauce->comments;
    m_services.dialogs.message(this, Dialogs::Icon::Information, QStringLiteral("Properties"),
                               lines.join(QLatin1Char('\n')));
}

void MDIForm1::mnuexport_Click(DocumentExport::Format format, int scale)
{
    // In the order of the formats.
    static const QString kinds[] = {QStringLiteral("PNG Picture"), QStringLiteral("HTML Page"),
                                    QStringLiteral("UTF-8 Text")};
    const QString& kind = kinds[int(format)];
    const QString suffix = DocumentExport::suffix(format);
    const QString path = m_services.dialogs.saveFileName(
        this, QStringLiteral("Export ") + kind, QStringLiteral("%1 (*.%2)|*.%2").arg(kind, suffix),
        nullptr);
    if (path.isEmpty())
        return;
    Form1* form = form1();
    const DocumentExport::Result result =
        DocumentExport(VgaFace::locate())
            .render(form->txtvimb->displayText(), exportOptions(*form, format, scale));
    // A failed write leaves any old file as it was and says so, as Save does.
    if (result.error.isEmpty() && NfoFile::write(path, result.bytes))
        return;
    m_services.dialogs.message(this, Dialogs::Icon::Exclamation, ProductInfo::Title,
                               result.error.isEmpty() ? Messages::FileNotSaved : result.error);
}

void MDIForm1::mnuMRU_Click(int index)
{
    if (m_files.maySetAside())
        openDocument(m_recentFiles.paths().value(index));
}

void MDIForm1::AddToMRU(const QString& path)
{
    m_recentFiles.add(path);
    showRecentFiles();
}

void MDIForm1::LoadMRU()
{
    m_recentFiles.load(m_services.userSettings.familyReader(SettingKeys::RecentFile));
    showRecentFiles();
}

void MDIForm1::SaveMRU()
{
    m_services.userSettings.writeFamily(SettingKeys::RecentFile, m_recentFiles.paths());
}

QAction* MDIForm1::recentFileItem(int index)
{
    // Items are made when first needed, each after the one before, and stay for the run.
    while (mnuMRU.size() <= index) {
        const int next = static_cast<int>(mnuMRU.size());
        auto* item = new QAction(MNUFILE);
        item->setObjectName(QStringLiteral("mnuMRU(%1)").arg(next));
        MNUFILE->insertAction(sep6, item);
        connect(item, &QAction::triggered, this, [this, next] { mnuMRU_Click(next); });
        mnuMRU.append(item);
    }
    return mnuMRU.at(index);
}

void MDIForm1::showRecentFiles()
{
    const QStringList& paths = m_recentFiles.paths();
    const QFontMetrics metrics(MNUFILE->font());
    for (qsizetype i = 0; i < paths.size(); ++i) {
        QAction* item = recentFileItem(static_cast<int>(i));
        // "&" would mark an access key in a menu caption; the path shows as it is.
        QString caption = metrics.elidedText(paths.at(i), Qt::ElideMiddle, kRecentItemWidth);
        item->setText(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
        item->setData(paths.at(i));
        item->setToolTip(paths.at(i));
        item->setVisible(true);
    }
    MRUCount = m_recentFiles.lastIndex();
}

void MDIForm1::mnuselall_Click()
{
    DocumentEditor* editor = form1()->txtvimb;
    editor->setSelStart(0);
    editor->setSelLength(editor->codeCount());
}

void MDIForm1::mnucopy_Click()
{
    DocumentEditor* editor = form1()->txtvimb;
    const int start = editor->selStart();
    const int length = editor->selLength();
    if (length == 0)
        return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setMimeData(editor->selectionMimeData());
    editor->setSelStart(start + length);
}

void MDIForm1::mnupaste_Click()
{
    form1()->txtvimb->paste();
}

void MDIForm1::mnuallow_Click()
{
    // The action has already toggled its own check mark.
    m_services.userSettings.write(SettingKeys::LinkAllowed, mnuallow->isChecked()
                                                                ? QStringLiteral("yes")
                                                                : QStringLiteral("no"));
}

void MDIForm1::mnuenc_Click(TextEncoding::Kind kind)
{
    // The same bytes, read anew; a reading that would lose characters is not made.
    if (!form1()->reinterpret(kind))
        m_services.dialogs.message(this, Dialogs::Icon::Exclamation, ProductInfo::Title,
                                   Messages::notReadable(TextEncoding::description(kind)));
    updateDocumentStatus();
}

void MDIForm1::mnuwordwrap_Click()
{
    const bool wrap = mnuwordwrap->isChecked();
    m_services.userSettings.write(SettingKeys::WordWrap,
                                  wrap ? QStringLiteral("yes") : QStringLiteral("no"));
    form1()->txtvimb->setWordWrap(wrap);
}

void MDIForm1::showZoom(int percent)
{
    StatusBar1->zoomPanel->setText(QStringLiteral("%1%").arg(percent));
}

void MDIForm1::updateEditActions()
{
    const DocumentEditor* editor = form1()->txtvimb;
    mnuundo->setEnabled(editor->document()->isUndoAvailable());
    mnuredo->setEnabled(editor->document()->isRedoAvailable());
    mnucut->setEnabled(editor->textCursor().hasSelection());
}

void MDIForm1::updateDocumentStatus()
{
    const FileEncoding encoding = form1()->encoding();
    mnuenc.at(int(encoding.kind))->setChecked(true);
    StatusBar1->encodingPanel->setText(
        TextEncoding::name(encoding.kind) +
        (encoding.byteOrderMark ? QStringLiteral(" BOM") : QString()));
}

void MDIForm1::associateFiles()
{
    const QString installed = QStringLiteral("C:\\Program Files\\Quilra\\Quilra.exe");
    Module1::AssociateExtension(QStringLiteral(".nfo"), installed + QStringLiteral(" %1"),
                                QStringLiteral("nfo"), QString(),
                                installed + QStringLiteral(",-1"));
}

void MDIForm1::mnuexit_Click()
{
    // A cancelled question about the document keeps the program running.
    if (close())
        Q_EMIT exitRequested();
}

void MDIForm1::mnuabout_Click()
{
    showChild(m_about.get());
}

void MDIForm1::mnuauto_Click()
{
    showChild(m_generator.get());
}

void MDIForm1::mnucolors_Click()
{
    showChild(m_colours.get());
}

void MDIForm1::mnufont_Click()
{
    showChild(m_font.get());
}

void MDIForm1::mnucustom_Click()
{
    const bool created = m_palette.existing() == nullptr;
    Form2* palette = m_palette.get();
    // A new palette opens at the top right of the work area, clear of the text's start.
    if (created)
        palette->move(qMax(0, m_workArea->viewport()->width() - palette->width()), 0);
    showChild(palette);
}

void MDIForm1::checkGreeting()
{
    // Only a text of the phrase's length is read, so that keys stay quick in long documents.
    const DocumentEditor* editor = form1()->txtvimb;
    if (editor->codeCount() == GreetingPhrase::length() && GreetingPhrase::matches(editor->codes()))
        showGreeting();
}

void MDIForm1::showGreeting()
{
    frmpilvo* greeting = m_greeting.get();
    greeting->show();
    greeting->raise();
}
