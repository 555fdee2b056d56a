#include "MainMenuBuilder.h"

#include "documents/TextEncoding.h"

#include <QActionGroup>
#include <QIcon>
#include <QMainWindow>
#include <QMenuBar>
#include <QShortcut>
#include <utility>

namespace {

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

MainMenuBuilder::MainMenuBuilder(MainMenuItems& items, QMainWindow& window)
    : m(items), m_window(window)
{
}

void MainMenuBuilder::build()
{
    buildFileMenu();
    buildExportMenu();
    buildPrintItems();
    buildEditMenu();
    buildViewMenu();
    buildSettingsMenu();
    m.mnucustom = m_window.menuBar()->addAction(tr("&Custom Characters"));
    m.mnucustom->setObjectName(QStringLiteral("mnucustom"));
    m.mnuauto = m_window.menuBar()->addAction(tr("&Auto Generate"));
    m.mnuauto->setObjectName(QStringLiteral("mnuauto"));
    buildHelpMenu();
    // Alt and a caption's underlined letter open its menu; F10 opens the menu bar, as on the
    // desktops the program runs on.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), &m_window);
    QMainWindow* window = &m_window;
    QMenu* file = m.MNUFILE;
    QObject::connect(menuKey, &QShortcut::activated, window,
                     [window, file] { window->menuBar()->setActiveAction(file->menuAction()); });
}

void MainMenuBuilder::addThemeIcons()
{
    // The freedesktop.org icon names of the commands every program has.
    const std::pair<QAction*, const char*> icons[] = {
        {m.mnunew, "document-new"},
        {m.mnuload, "document-open"},
        {m.mnusave, "document-save"},
        {m.mnusaveas, "document-save-as"},
        {m.mnuproperties, "document-properties"},
        {m.mnuprint, "document-print"},
        {m.mnuprintpreview, "document-print-preview"},
        {m.mnuexit, "application-exit"},
        {m.mnuundo, "edit-undo"},
        {m.mnuredo, "edit-redo"},
        {m.mnucut, "edit-cut"},
        {m.mnucopy, "edit-copy"},
        {m.mnupaste, "edit-paste"},
        {m.mnuselall, "edit-select-all"},
        {m.mnufind, "edit-find"},
        {m.mnureplace, "edit-find-replace"},
        {m.mnuzoomin, "zoom-in"},
        {m.mnuzoomout, "zoom-out"},
        {m.mnuzoomreset, "zoom-original"},
        {m.mnunextfile, "go-next"},
        {m.mnuprevfile, "go-previous"},
        {m.mnuhelp, "help-contents"},
        {m.mnuabout, "help-about"},
    };
    for (const auto& [action, name] : icons) {
        const QIcon icon = QIcon::fromTheme(QString::fromLatin1(name));
        if (!icon.isNull())
            action->setIcon(icon);
    }
}

void MainMenuBuilder::buildFileMenu()
{
    m.MNUFILE = addMenu(&m_window, "MNUFILE", tr("&File"));
    m_window.menuBar()->addMenu(m.MNUFILE);
    m.mnunew = addItem(m.MNUFILE, "mnunew", tr("&New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    m.mnuload = addItem(m.MNUFILE, "mnuload", tr("&Load"), QKeySequence(Qt::CTRL | Qt::Key_L));
    // Ctrl+O too, the key that opens a file in every other program.
    m.mnuload->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_L), QKeySequence::Open});
    m.mnusave = addItem(m.MNUFILE, "mnusave", tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
    m.mnusaveas =
        addItem(m.MNUFILE, "mnusaveas", tr("Save &As..."), QKeySequence(Qt::CTRL | Qt::Key_K));
    // The keys of every other program beside the designed ones.
    m.mnusaveas->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_K), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)});
    m.mnuproperties = addItem(m.MNUFILE, "mnuproperties", tr("P&roperties"));
    m.mnusep = addSeparator(m.MNUFILE, "mnusep");
    // Item 0 of the recent files; hidden until a path fills it.
    QAction* first = addItem(m.MNUFILE, "mnuMRU(0)", tr("No History"));
    first->setVisible(false);
    m.mnuMRU.append(first);
    m.sep6 = addSeparator(m.MNUFILE, "sep6");
    m.mnuexit = addItem(m.MNUFILE, "mnuexit", tr("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void MainMenuBuilder::buildExportMenu()
{
    m.mnuexport = addMenu(m.MNUFILE, "mnuexport", tr("&Export"));
    m.MNUFILE->insertMenu(m.mnusep, m.mnuexport);
    m.mnuexportpng = addItem(m.mnuexport, "mnuexportpng", tr("&PNG Picture..."));
    m.mnuexporthtml = addItem(m.mnuexport, "mnuexporthtml", tr("&HTML Page..."));
    m.mnuexporttxt = addItem(m.mnuexport, "mnuexporttxt", tr("&UTF-8 Text..."));
    m.mnuexportpdf = addItem(m.mnuexport, "mnuexportpdf", tr("P&DF Document..."));
    m.mnuexportsvg = addItem(m.mnuexport, "mnuexportsvg", tr("&SVG Picture..."));
}

void MainMenuBuilder::buildPrintItems()
{
    // After Export, before the recent files.
    m.mnuprint =
        addItem(m.MNUFILE, "mnuprint", tr("&Print..."), QKeySequence(Qt::CTRL | Qt::Key_P));
    m.mnuprintpreview = addItem(m.MNUFILE, "mnuprintpreview", tr("Print Pre&view..."));
    m.MNUFILE->insertActions(m.mnusep, {m.mnuprint, m.mnuprintpreview});
}

void MainMenuBuilder::buildEditMenu()
{
    m.mnuedit = addMenu(&m_window, "mnuedit", tr("&Edit"));
    m_window.menuBar()->addMenu(m.mnuedit);
    m.mnuundo = addItem(m.mnuedit, "mnuundo", tr("&Undo"), QKeySequence::Undo);
    m.mnuredo = addItem(m.mnuedit, "mnuredo", tr("&Redo"));
    m.mnuredo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    m.mnuedit->addSeparator();
    m.mnucut = addItem(m.mnuedit, "mnucut", tr("Cu&t"), QKeySequence::Cut);
    m.mnuselall =
        addItem(m.mnuedit, "mnuselall", tr("Select &All"), QKeySequence(Qt::CTRL | Qt::Key_A));
    m.mnucopy = addItem(m.mnuedit, "mnucopy", tr("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    m.mnupaste = addItem(m.mnuedit, "mnupaste", tr("&Paste"));
    m.mnuedit->addSeparator();
    m.mnufind = addItem(m.mnuedit, "mnufind", tr("&Find..."), QKeySequence::Find);
    m.mnureplace =
        addItem(m.mnuedit, "mnureplace", tr("R&eplace..."), QKeySequence(Qt::CTRL | Qt::Key_H));
    m.mnucheck = addItem(m.mnuedit, "mnucheck", tr("C&heck NFO"));
    m.mnufindnext = addItem(m.mnuedit, "mnufindnext", tr("Find &Next"), QKeySequence(Qt::Key_F3));
    m.mnufindprevious = addItem(m.mnuedit, "mnufindprevious", tr("Find Pre&vious"),
                                QKeySequence(Qt::SHIFT | Qt::Key_F3));
}

void MainMenuBuilder::buildViewMenu()
{
    m.mnuview = addMenu(&m_window, "mnuview", tr("&View"));
    m_window.menuBar()->addMenu(m.mnuview);
    m.mnuencoding = addMenu(m.mnuview, "mnuencoding", tr("&Encoding"));
    m.mnuview->addMenu(m.mnuencoding);
    auto* encodings = new QActionGroup(&m_window);
    for (const TextEncoding::Kind kind : TextEncoding::All) {
        QAction* item = addItem(m.mnuencoding, "", TextEncoding::name(kind));
        item->setObjectName(QStringLiteral("mnuenc(%1)").arg(int(kind)));
        item->setCheckable(true);
        encodings->addAction(item);
        m.mnuenc.append(item);
    }
    m.mnuencrepaired = addItem(m.mnuencoding, "mnuencrepaired", tr("Repaired from CP437"));
    m.mnuencrepaired->setCheckable(true);
    m.mnuencrepaired->setVisible(false);
    encodings->addAction(m.mnuencrepaired);
    m.mnuwordwrap = addItem(m.mnuview, "mnuwordwrap", tr("&Word Wrap"));
    m.mnuwordwrap->setCheckable(true);
    m.mnushowcodes = addItem(m.mnuview, "mnushowcodes", tr("Show &Codes"));
    m.mnushowcodes->setCheckable(true);
    m.mnuice = addItem(m.mnuview, "mnuice", tr("i&CE Colours"));
    m.mnuice->setCheckable(true);
    m.mnuview->addSeparator();
    m.mnuzoomin = addItem(m.mnuview, "mnuzoomin", tr("Zoom &In"));
    m.mnuzoomin->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    m.mnuzoomout = addItem(m.mnuview, "mnuzoomout", tr("Zoom &Out"), QKeySequence::ZoomOut);
    m.mnuzoomreset =
        addItem(m.mnuview, "mnuzoomreset", tr("&Actual Size"), QKeySequence(Qt::CTRL | Qt::Key_0));
    m.mnuview->addSeparator();
    m.mnunextfile =
        addItem(m.mnuview, "mnunextfile", tr("Ne&xt File"), QKeySequence(Qt::ALT | Qt::Key_Right));
    m.mnuprevfile = addItem(m.mnuview, "mnuprevfile", tr("Pre&vious File"),
                            QKeySequence(Qt::ALT | Qt::Key_Left));
}

void MainMenuBuilder::buildSettingsMenu()
{
    m.mnusettings = addMenu(&m_window, "mnusettings", tr("&Settings"));
    m_window.menuBar()->addMenu(m.mnusettings);
    m.mnumisc = addMenu(m.mnusettings, "mnumisc", tr("&Misc Settings"));
    m.mnusettings->addMenu(m.mnumisc);
    m.mnucolors = addItem(m.mnumisc, "mnucolors", tr("&Color Settings"));
    m.mnufont = addItem(m.mnumisc, "mnufont", tr("&Font Settings"));
    m.mnuprog = addMenu(m.mnusettings, "mnuprog", tr("&Program Settings"));
    m.mnusettings->addMenu(m.mnuprog);
    m.mnuallow = addItem(m.mnuprog, "mnuallow", tr("Allow Quilra &Link"));
    m.mnuallow->setCheckable(true);
    m.mnuassociate = addItem(m.mnuprog, "mnuassociate", tr("&Associate Files"));
}

void MainMenuBuilder::buildHelpMenu()
{
    m.mnuhelpme = addMenu(&m_window, "mnuhelpme", tr("&Help"));
    m_window.menuBar()->addMenu(m.mnuhelpme);
    m.mnuabout = addItem(m.mnuhelpme, "mnuabout", tr("&About this Program"));
    m.mnuhelp = addItem(m.mnuhelpme, "mnuhelp", tr("Online &Help"), QKeySequence(Qt::Key_F1));
    m.mnusep9 = addSeparator(m.mnuhelpme, "mnusep9");
    m.mnudonate = addItem(m.mnuhelpme, "mnudonate", tr("&Donate"));
}
