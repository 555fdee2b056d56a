#include "MDIForm1.h"

#include "ClockStatusBar.h"
#include "DocumentEditor.h"
#include "Form1.h"
#include "ProductInfo.h"
#include "ProgramArt.h"
#include "RunCounter.h"
#include "about/frmabout.h"
#include "appearance/frmcolor.h"
#include "appearance/frmfont.h"
#include "settings/SettingKeys.h"
#include "shell/Module1.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QShortcut>

namespace {

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

} // namespace

MDIForm1::MDIForm1(Services services, QWidget* parent)
    : QMainWindow(parent), m_services(std::move(services)), m_workArea(new QMdiArea(this)),
      m_form1([this] { return addChild(new Form1(m_services.programSettings)); }),
      m_about([this] { return addChild(new frmabout(m_services.userSettings)); }),
      m_colours([this] {
          return addChild(new frmcolor(m_services.dialogs, m_services.programSettings,
                                       [this] { return form1(); }));
      }),
      m_font([this] {
          return addChild(new frmfont(m_services.dialogs, m_services.programSettings,
                                      [this] { return form1(); }));
      })
{
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(ProductInfo::Title);
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
}

MDIForm1::~MDIForm1()
{
    m_workArea->viewport()->removeEventFilter(this);
}

void MDIForm1::buildMenus()
{
    buildFileMenu();
    buildEditMenu();
    buildSettingsMenu();
    mnucustom = menuBar()->addAction(QStringLiteral("Custom Characters"));
    mnucustom->setObjectName(QStringLiteral("mnucustom"));
    mnuauto = menuBar()->addAction(QStringLiteral("Auto Generate"));
    mnuauto->setObjectName(QStringLiteral("mnuauto"));
    buildHelpMenu();
    // The captions carry no access keys; F10 opens the menu bar for the keyboard, as on the
    // desktops the program runs on.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(MNUFILE->menuAction()); });
}

void MDIForm1::buildFileMenu()
{
    MNUFILE = addMenu(this, "MNUFILE", QStringLiteral("File"));
    menuBar()->addMenu(MNUFILE);
    mnunew = addItem(MNUFILE, "mnunew", QStringLiteral("New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuload =
        addItem(MNUFILE, "mnuload", QStringLiteral("Load"), QKeySequence(Qt::CTRL | Qt::Key_L));
    mnusave =
        addItem(MNUFILE, "mnusave", QStringLiteral("Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
    mnusaveas = addItem(MNUFILE, "mnusaveas", QStringLiteral("Save As..."),
                        QKeySequence(Qt::CTRL | Qt::Key_K));
    mnusep = addSeparator(MNUFILE, "mnusep");
    // Item 0 of the recent files; hidden until a path fills it.
    QAction* first = addItem(MNUFILE, "mnuMRU(0)", QStringLiteral("No History"));
    first->setVisible(false);
    mnuMRU.append(first);
    sep6 = addSeparator(MNUFILE, "sep6");
    mnuexit = addItem(MNUFILE, "mnuexit", QStringLiteral("Exit"));
}

void MDIForm1::buildEditMenu()
{
    mnuedit = addMenu(this, "mnuedit", QStringLiteral("Edit"));
    menuBar()->addMenu(mnuedit);
    mnuselall = addItem(mnuedit, "mnuselall", QStringLiteral("Select All"),
                        QKeySequence(Qt::CTRL | Qt::Key_A));
    mnucopy =
        addItem(mnuedit, "mnucopy", QStringLiteral("Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    mnupaste = addItem(mnuedit, "mnupaste", QStringLiteral("Paste"));
}

void MDIForm1::buildSettingsMenu()
{
    mnusettings = addMenu(this, "mnusettings", QStringLiteral("Settings"));
    menuBar()->addMenu(mnusettings);
    mnumisc = addMenu(mnusettings, "mnumisc", QStringLiteral("Misc Settings"));
    mnusettings->addMenu(mnumisc);
    mnucolors = addItem(mnumisc, "mnucolors", QStringLiteral("Color Settings"));
    mnufont = addItem(mnumisc, "mnufont", QStringLiteral("Font Settings"));
    mnuprog = addMenu(mnusettings, "mnuprog", QStringLiteral("Program Settings"));
    mnusettings->addMenu(mnuprog);
    mnuallow = addItem(mnuprog, "mnuallow", QStringLiteral("Allow Quilra Link"));
    mnuallow->setCheckable(true);
    mnuassociate = addItem(mnuprog, "mnuassociate", QStringLiteral("Associate Files"));
}

void MDIForm1::buildHelpMenu()
{
    mnuhelpme = addMenu(this, "mnuhelpme", QStringLiteral("Help"));
    menuBar()->addMenu(mnuhelpme);
    mnuabout = addItem(mnuhelpme, "mnuabout", QStringLiteral("About this Program"));
    mnuhelp = addItem(mnuhelpme, "mnuhelp", QStringLiteral("Online Help"));
    mnusep9 = addSeparator(mnuhelpme, "mnusep9");
    mnudonate = addItem(mnuhelpme, "mnudonate", QStringLiteral("Donate"));
}

void MDIForm1::connectMenus()
{
    connect(mnuallow, &QAction::triggered, this, &MDIForm1::mnuallow_Click);
    connect(mnuassociate, &QAction::triggered, this, &MDIForm1::associateFiles);
    connect(mnuexit, &QAction::triggered, this, &MDIForm1::mnuexit_Click);
    connect(mnuabout, &QAction::triggered, this, &MDIForm1::mnuabout_Click);
    connect(mnucolors, &QAction::triggered, this, &MDIForm1::mnucolors_Click);
    connect(mnufont, &QAction::triggered, this, &MDIForm1::mnufont_Click);
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
    }
    return form;
}

frmabout* MDIForm1::existingAbout() const
{
    return m_about.existing();
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
    Q_UNUSED(argumentText);
    associateFiles();

    const UserSettings& user = m_services.userSettings;
    mnuallow->setChecked(user.read(SettingKeys::LinkAllowed) != QStringLiteral("no"));

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
    layoutDocumentWindow();
}

void MDIForm1::unload() {}

void MDIForm1::closeEvent(QCloseEvent* event)
{
    unload();
    event->accept();
}

void MDIForm1::mnuallow_Click()
{
    // The action has already toggled its own check mark.
    m_services.userSettings.write(SettingKeys::LinkAllowed, mnuallow->isChecked()
                                                                ? QStringLiteral("yes")
                                                                : QStringLiteral("no"));
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
    close();
    Q_EMIT exitRequested();
}

void MDIForm1::mnuabout_Click()
{
    showChild(m_about.get());
}

void MDIForm1::mnucolors_Click()
{
    showChild(m_colours.get());
}

void MDIForm1::mnufont_Click()
{
    showChild(m_font.get());
}
