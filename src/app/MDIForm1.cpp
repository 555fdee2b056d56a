#include "MDIForm1.h"

#include "ClockStatusBar.h"
#include "CommandLine.h"
#include "CrashRecovery.h"
#include "DocumentProperties.h"
#include "EditCommands.h"
#include "MainMenuBuilder.h"
#include "RecentFilesMenu.h"
#include "ViewCommands.h"
#include "WindowExport.h"
#include "WindowPrint.h"
#include "about/GreetingPhrase.h"
#include "about/RunCounter.h"
#include "about/frmabout.h"
#include "about/frmpilvo.h"
#include "appearance/frmcolor.h"
#include "appearance/frmfont.h"
#include "files/FolderNeighbours.h"
#include "generator/frmmovie.h"
#include "palette/Form2.h"
#include "product/Messages.h"
#include "product/ProductInfo.h"
#include "shell/Module1.h"
#include "ui/Form1.h"
#include "ui/ProgramArt.h"
#include "ui/SettingsWriteNotice.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

namespace {

// The work area's designed size: 14715 x 8400 twips at 15 twips a pixel.
constexpr QSize kDesignedWorkArea(981, 560);

// Start-up's deferred work waits for the document's first paint, or this long at most.
constexpr int kStartUpDeferralMs = 1500;

} // namespace

MDIForm1::MDIForm1(Services services, QWidget* parent)
    : QMainWindow(parent), m_services(std::move(services)),
      m_config(m_services.programSettings, m_services.userSettings), m_appearance(m_config),
      m_workArea(new QMdiArea(this)), m_documentWindow(m_document, m_appearance, *m_workArea),
      m_files(m_services.dialogs, this, m_document),
      m_about([this] { return addChild(new frmabout(m_config)); }), m_generator([this] {
          auto* generator = addChild(new frmmovie(m_services.dialogs, m_services.templateDirectory,
                                                  m_config, m_document, m_appearance));
          // Over the document, at the work area's top-left corner.
          generator->move(0, 0);
          generator->setReplaceGuard([this] { return m_files.maySetAside(); });
          connect(generator, &frmmovie::statusMessage, this,
                  [this](const QString& text) { statusBar()->showMessage(text, 5000); });
          return generator;
      }),
      m_colours(
          [this] { return addChild(new frmcolor(m_services.dialogs, m_config, m_appearance)); }),
      m_font([this] { return addChild(new frmfont(m_services.dialogs, m_config, m_appearance)); }),
      m_palette([this] {
          return addChild(new Form2(m_config, m_services.dialogs, m_document, m_appearance.font()));
      }),
      // The greeting is a window of its own, not a child of the main window.
      m_greeting([] { return new frmpilvo; })
{
    setObjectName(QStringLiteral("MDIForm1"));
    setCaption(ProductInfo::Title);
    m_workArea->setObjectName(QStringLiteral("MDIClient"));
    m_workArea->setBackground(palette().brush(QPalette::Dark));
    // A window larger than the work area (a large font, a small screen) is reached by scrolling.
    m_workArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_workArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_workArea);
    m_viewport = m_workArea->viewport();
    m_viewport->installEventFilter(this);
    MainMenuBuilder(*this, *this).build();
    m_settingsNotice = new SettingsWriteNotice(m_config, m_services.dialogs, this);
    m_recent = new RecentFilesMenu(*this, m_config, this);
    m_recovery = new CrashRecovery(m_document, m_services.dialogs,
                                   RecoveryStore(RecoveryStore::defaultFolder()), this);
    m_edit = new EditCommands(*this, m_document, m_documentWindow, this);
    StatusBar1 = new ClockStatusBar(this);
    setStatusBar(StatusBar1);
    new ViewCommands(*this, *StatusBar1, m_services.dialogs, m_document, m_appearance, m_config,
                     m_documentWindow, this);
    connectMenus();
    connectDocument();
    resize(kDesignedWorkArea +
           QSize(0, menuBar()->sizeHint().height() + StatusBar1->sizeHint().height()));
    fitScreen();
}

MDIForm1::~MDIForm1()
{
    // A window that never showed still counts its run.
    if (m_startUpPending)
        storeStartUp();
    m_viewport->removeEventFilter(this);
    if (Form1* window = m_documentWindow.existing())
        window->unwatchPaint(this);
    // A document window still closing may hold the filter too: nothing is watched from now.
    m_startUpPending = false;
    // The windows go before the document, the settings and the appearance they show, which
    // are members and would otherwise be gone before the widgets.
    delete m_workArea;
    // The greeting has no parent to take it along.
    delete m_greeting.existing();
}

void MDIForm1::connectMenus()
{
    connect(mnunew, &QAction::triggered, this, &MDIForm1::mnunew_Click);
    connect(mnuload, &QAction::triggered, this, &MDIForm1::mnuload_Click);
    connect(mnusave, &QAction::triggered, &m_files, &DocumentFiles::save);
    connect(mnusaveas, &QAction::triggered, &m_files, &DocumentFiles::saveAs);
    connect(mnuproperties, &QAction::triggered, this, &MDIForm1::mnuproperties_Click);
    connect(mnunextfile, &QAction::triggered, this, [this] { stepFile(1); });
    connect(mnuprevfile, &QAction::triggered, this, [this] { stepFile(-1); });
    connect(m_recent, &RecentFilesMenu::chosen, this, &MDIForm1::openRecent);
    connect(mnuexportpng, &QAction::triggered, this,
            [this] { mnuexport_Click(DocumentExport::Format::Png); });
    connect(mnuexporthtml, &QAction::triggered, this,
            [this] { mnuexport_Click(DocumentExport::Format::Html); });
    connect(mnuexporttxt, &QAction::triggered, this,
            [this] { mnuexport_Click(DocumentExport::Format::Text); });
    connect(mnuexportpdf, &QAction::triggered, this,
            [this] { mnuexport_Click(DocumentExport::Format::Pdf); });
    connect(mnuexportsvg, &QAction::triggered, this,
            [this] { mnuexport_Click(DocumentExport::Format::Svg); });
    connect(mnuprint, &QAction::triggered, this, [this] { printDocument(false); });
    connect(mnuprintpreview, &QAction::triggered, this, [this] { printDocument(true); });
    connect(mnuallow, &QAction::triggered, this, &MDIForm1::mnuallow_Click);
    connect(mnuassociate, &QAction::triggered, this, &MDIForm1::associateFiles);
    connect(mnuexit, &QAction::triggered, this, &MDIForm1::mnuexit_Click);
    connect(mnuabout, &QAction::triggered, this, [this] { showChild(m_about.get()); });
    connect(mnuauto, &QAction::triggered, this, [this] { showChild(m_generator.get()); });
    // There is no help or donation page of its own: both open the product's web site.
    connect(mnuhelp, &QAction::triggered, this, [] { Module1::OpenUrl(ProductInfo::WebAddress); });
    connect(mnudonate, &QAction::triggered, this,
            [] { Module1::OpenUrl(ProductInfo::WebAddress); });
    connect(mnucolors, &QAction::triggered, this, [this] { showChild(m_colours.get()); });
    connect(mnufont, &QAction::triggered, this, [this] { showChild(m_font.get()); });
    connect(mnucustom, &QAction::triggered, this, &MDIForm1::mnucustom_Click);
}

void MDIForm1::connectDocument()
{
    connect(&m_document, &NfoDocument::filePathChanged, this, &MDIForm1::showCaption);
    connect(&m_document, &NfoDocument::textRefused, this,
            [this](const QString& message) { statusBar()->showMessage(message, 5000); });
    connect(&m_files, &DocumentFiles::statusMessage, this, &MDIForm1::showStatus);
    connect(&m_files, &DocumentFiles::savedAs, m_recent, &RecentFilesMenu::AddToMRU);
    connect(&m_files, &DocumentFiles::changedOnDisk, this, [this] { form1()->showFileChanged(); });
    connect(&m_documentWindow, &DocumentWindow::created, this, &MDIForm1::watchDocumentWindow);
    // A closed document window leaves an empty, untitled document behind, with nothing to
    // print.
    connect(&m_documentWindow, &DocumentWindow::closed, this, &MDIForm1::showCaption);
    connect(&m_documentWindow, &DocumentWindow::closed, this, [this] { enablePrint(false); });
    enablePrint(m_documentWindow.existing() != nullptr);
}

void MDIForm1::watchDocumentWindow(Form1* window)
{
    // Links open as the Help menu's web links do; hovering one shows where it leads.
    connect(window, &Form1::linkActivated, this,
            [](const QString& address) { Module1::OpenUrl(address); });
    connect(window, &Form1::linkHovered, this, &MDIForm1::showStatus);
    // A dropped file opens like any other, but does not enter the recent files.
    connect(window, &Form1::fileDropped, this, [this](const QString& path) {
        if (m_files.maySetAside())
            m_files.open(path);
    });
    connect(window, &Form1::characterKeyPressed, this, &MDIForm1::checkGreeting);
    connect(window, &Form1::reloadRequested, &m_files, &DocumentFiles::reload);
    // Closing the document window drops the document: a modified one is asked about.
    window->setCloseGuard([this] { return m_files.maySetAside(); });
    enablePrint(true);
    if (m_startUpPending)
        window->watchPaint(this);
}

Form1* MDIForm1::form1()
{
    return m_documentWindow.get();
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

void MDIForm1::setVisible(bool visible)
{
    // Where the window's frame is known as soon as it is made, it is fitted before the windows
    // inside are laid out, so that they are laid out once.
    if (visible && !m_shownOnce) {
        create();
        fitScreen();
    }
    QMainWindow::setVisible(visible);
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

bool MDIForm1::eventFilter(QObject* watched, QEvent* event)
{
    // The work area's viewport as it was made: asking the work area for it here could reach a
    // work area that is being destroyed.
    if (watched == m_viewport && event->type() == QEvent::Resize)
        m_documentWindow.fillWorkArea();
    // The document has painted: what start-up left for later may run now.
    if (event->type() == QEvent::Paint && m_startUpPending && watched != m_viewport) {
        watched->removeEventFilter(this);
        Q_EMIT documentShown();
        QTimer::singleShot(0, this, &MDIForm1::finishStartUp);
    }
    return QMainWindow::eventFilter(watched, event);
}

void MDIForm1::startUp(const QString& argumentText)
{
    m_settingsNotice->checkUserStore();
    showLinkOption();
    mnuwordwrap->setChecked(m_config.wordWrap());

    // The count as this run began, for the about box; the stored count goes up as soon as the
    // document has shown (a store's write waits for the disk), and so do the recent files.
    m_openedAtStart = m_config.timesOpened();
    m_recent->holdStore(true);

    MRUCount = -1;
    m_recent->LoadMRU();
    // Made absolute, so that the captions and the recent files name the file from anywhere.
    QString path = CommandLine::documentPath(argumentText);
    if (!path.isEmpty())
        path = QFileInfo(path).absoluteFilePath();
    Form1* window = form1();
    if (!path.isEmpty() && m_files.open(path))
        m_recent->AddToMRU(path);

    // What the first sight of the file does not need waits until the document has painted:
    // the window and menu icons, the desktop association, the hidden about box and the lock of
    // the crash snapshot.
    m_startUpPending = true;
    window->watchPaint(this);
    QTimer::singleShot(kStartUpDeferralMs, this, &MDIForm1::finishStartUp);
}

void MDIForm1::finishStartUp()
{
    if (!m_startUpPending)
        return;
    m_startUpPending = false;
    storeStartUp();
    // Every window's icon: drawn at every size the desktop asks for, so it waits until now, as
    // do the menus' icons, which are looked up in the desktop theme's folders.
    QApplication::setWindowIcon(ProgramArt::programIcon());
    MainMenuBuilder(*this, *this).addThemeIcons();
    associateFiles();
    if (!m_openedAtStart.isEmpty() && !m_about.existing()) {
        // Made hidden, so that it shows the count as this run began; the window the user is
        // in stays active.
        QMdiSubWindow* active = m_workArea->activeSubWindow();
        frmabout* about = m_about.get();
        about->lblran->setText(m_openedAtStart);
        about->hide();
        if (active)
            m_workArea->setActiveSubWindow(active);
    }
    // Edits a crash left unsaved, offered once the window shows; restored, they belong to
    // their file, which is watched as an opened one is.
    if (m_recovery->offerRestore(this))
        m_files.belongTo(m_document.filePath());
    Q_EMIT startUpFinished();
}

void MDIForm1::storeStartUp()
{
    if (m_startUpStored)
        return;
    m_startUpStored = true;
    m_config.setTimesOpened(m_openedAtStart.isEmpty() ? QStringLiteral("0")
                                                      : RunCounter::increased(m_openedAtStart));
    m_recent->holdStore(false);
}

void MDIForm1::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    storeStartUp();
    m_recent->SaveMRU();
}

void MDIForm1::closeEvent(QCloseEvent* event)
{
    // A print or an export under way is cancelled or waited for first.
    if (m_working) {
        showStatus(tr("A print or an export is under way: cancel it or wait for it to end."));
        event->ignore();
        return;
    }
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
    m_document.setFilePath(path);
}

void MDIForm1::showCaption()
{
    const QString path = m_document.filePath();
    setCaption(path.isEmpty()
                   ? ProductInfo::Title
                   : ProductInfo::Title + QStringLiteral(" - (") + path + QLatin1Char(')'));
}

void MDIForm1::setCaption(const QString& caption)
{
    m_caption = caption;
    setWindowTitle(caption);
}

void MDIForm1::showStatus(const QString& text)
{
    if (text.isEmpty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(text);
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

void MDIForm1::mnunew_Click()
{
    if (!m_files.maySetAside())
        return;
    // An untitled document: a following Save asks for a name.
    m_document.clear();
    form1();
}

void MDIForm1::mnuload_Click()
{
    // The designed entry first, then every kind of text art, then anything.
    const QString path = m_services.dialogs.openFileName(
        this, tr("Load NFO file"),
        tr("nfo file (*.nfo)|*.nfo|Text art (*.nfo *.diz *.asc *.ans *.txt)|"
           "*.nfo *.diz *.asc *.ans *.txt|All files (*)|*"));
    if (path.isEmpty() || !m_files.maySetAside())
        return;
    // The path enters the recent files before it is read, so that it stays there when it
    // cannot be opened.
    m_recent->AddToMRU(path);
    m_files.open(path);
    form1();
}

void MDIForm1::openRecent(const QString& path)
{
    if (m_files.maySetAside())
        m_files.open(path);
    form1();
}

void MDIForm1::stepFile(int step)
{
    const QString path = FolderNeighbours::neighbour(m_document.filePath(), step);
    if (path.isEmpty()) {
        showStatus(step > 0 ? tr("There is no next text-art file in this folder.")
                            : tr("There is no previous text-art file in this folder."));
        return;
    }
    // As any load: the question about unsaved changes first. Stepping through a folder leaves
    // the recent files alone.
    if (m_files.maySetAside())
        m_files.open(path);
    form1();
}

void MDIForm1::mnuproperties_Click()
{
    DocumentProperties::show(this, m_document);
}

void MDIForm1::mnuexport_Click(DocumentExport::Format format)
{
    setWorking(true);
    WindowExport(m_services.dialogs, this, *statusBar(), m_document, m_appearance).run(format);
    setWorking(false);
}

void MDIForm1::printDocument(bool preview)
{
    setWorking(true);
    WindowPrint print(m_services.dialogs, this, *statusBar(), m_document, m_appearance,
                      m_printBlackOnWhite);
    if (preview)
        print.preview();
    else
        print.print();
    setWorking(false);
}

void MDIForm1::setWorking(bool working)
{
    // One print or export at a time: the window goes on beside it.
    m_working = working;
    for (QAction* item : {mnuexportpng, mnuexporthtml, mnuexporttxt, mnuexportpdf, mnuexportsvg})
        item->setEnabled(!working);
    enablePrint(m_printable);
}

void MDIForm1::enablePrint(bool enabled)
{
    m_printable = enabled;
    mnuprint->setEnabled(enabled && !m_working);
    mnuprintpreview->setEnabled(enabled && !m_working);
}

void MDIForm1::mnuallow_Click()
{
    // The action has already toggled its own check mark; it shows what is stored.
    if (!m_config.setLinkAllowed(mnuallow->isChecked()))
        showLinkOption();
}

void MDIForm1::showLinkOption()
{
    const Stored<bool> link = m_config.linkAllowed();
    mnuallow->setChecked(!(link.isPresent() && !link.value));
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
    if (m_document.codeCount() == GreetingPhrase::length() &&
        GreetingPhrase::matches(m_document.bytes()))
        showGreeting();
}

void MDIForm1::showGreeting()
{
    frmpilvo* greeting = m_greeting.get();
    greeting->show();
    greeting->raise();
}
