#pragma once

#include "DocumentFiles.h"
#include "documents/NfoFile.h"
#include "documents/RecentFiles.h"
#include "documents/TextEncoding.h"
#include "export/DocumentExport.h"
#include "ui/Services.h"
#include "ui/WindowSlot.h"

#include <QMainWindow>

class ClockStatusBar;
class Form1;
class QMdiArea;
class QMdiSubWindow;
class Form2;
class frmabout;
class frmmovie;
class frmcolor;
class frmfont;
class frmpilvo;

// The main window: the program's menus and status bar, and the work area that holds the one
// document window and the other child windows. Its start-up runs once, before it is shown; its
// unload runs when it closes.
class MDIForm1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit MDIForm1(Services services, QWidget* parent = nullptr);
    ~MDIForm1() override;

    // The start-up sequence. `argumentText` is the command line after the program's name.
    void startUp(const QString& argumentText);

    // The one document window, created (empty, caption "Quilra") when there is none.
    Form1* form1();
    // The about box when it exists (shown or hidden), else nullptr.
    frmabout* existingAbout() const;
    // The auto generator when it is open, else nullptr.
    frmmovie* existingGenerator() const;
    // The palette and the greeting window when they exist, else nullptr.
    Form2* existingPalette() const;
    frmpilvo* existingGreeting() const;

    // Makes the path the document's file: the document window's caption and, in brackets, the
    // main window's.
    void SetDocumentCaptions(const QString& path);
    // Replaces the document's text by the file's. Anything but Read means the file could not
    // be opened or read (the text holds what was read). Says nothing itself.
    NfoFile::Status LoadDocumentText(const QString& path);

    QMdiArea* workArea() const { return m_workArea; }

    // Highest index of the recent-file items in use, -1 when there is none.
    int MRUCount = -1;

    QMenu* MNUFILE = nullptr;
    QAction* mnunew = nullptr;
    QAction* mnuload = nullptr;
    QAction* mnusave = nullptr;
    QAction* mnusaveas = nullptr;
    QAction* mnuproperties = nullptr;
    QMenu* mnuexport = nullptr;
    QAction* mnuexportpng = nullptr;
    QAction* mnuexporthtml = nullptr;
    QAction* mnuexporttxt = nullptr;
    QAction* mnusep = nullptr;
    QList<QAction*> mnuMRU;
    QAction* sep6 = nullptr;
    QAction* mnuexit = nullptr;
    QMenu* mnuedit = nullptr;
    QAction* mnuundo = nullptr;
    QAction* mnuredo = nullptr;
    QAction* mnucut = nullptr;
    QAction* mnuselall = nullptr;
    QAction* mnucopy = nullptr;
    QAction* mnupaste = nullptr;
    QAction* mnufind = nullptr;
    QAction* mnureplace = nullptr;
    QAction* mnufindnext = nullptr;
    QAction* mnufindprevious = nullptr;
    QMenu* mnuview = nullptr;
    QMenu* mnuencoding = nullptr;
    // One item for each encoding, in the order of TextEncoding::All.
    QList<QAction*> mnuenc;
    QAction* mnuwordwrap = nullptr;
    QAction* mnuzoomin = nullptr;
    QAction* mnuzoomout = nullptr;
    QAction* mnuzoomreset = nullptr;
    QMenu* mnusettings = nullptr;
    QMenu* mnumisc = nullptr;
    QAction* mnucolors = nullptr;
    QAction* mnufont = nullptr;
    QMenu* mnuprog = nullptr;
    QAction* mnuallow = nullptr;
    QAction* mnuassociate = nullptr;
    QAction* mnucustom = nullptr;
    QAction* mnuauto = nullptr;
    QMenu* mnuhelpme = nullptr;
    QAction* mnuabout = nullptr;
    QAction* mnuhelp = nullptr;
    QAction* mnusep9 = nullptr;
    QAction* mnudonate = nullptr;
    ClockStatusBar* StatusBar1 = nullptr;

Q_SIGNALS:
    // Exit was chosen: the window has unloaded and the program is to end at once.
    void exitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildFileMenu();
    void buildExportMenu();
    void buildEditMenu();
    void buildViewMenu();
    void buildSettingsMenu();
    void buildHelpMenu();
    void connectMenus();

    // Adds a child window to the work area and shows it, as every window is shown when loaded.
    template <class Window> Window* addChild(Window* window);
    // Brings a window forward in the work area, showing it when hidden.
    void showChild(QMdiSubWindow* window);
    // Keeps the document window filling the work area.
    void layoutDocumentWindow();
    void fillWorkArea(QMdiSubWindow* window);

    void associateFiles();
    // Opens a file as every way in does: captions, then the text, with the message on failure.
    bool openDocument(const QString& path);
    void setCaption(const QString& caption);
    void fitScreen();

    void AddToMRU(const QString& path);
    void LoadMRU();
    void SaveMRU();
    void showRecentFiles();
    QAction* recentFileItem(int index);

    void unload();
    void mnunew_Click();
    void mnuload_Click();
    void mnusave_Click();
    void mnusaveas_Click();
    void mnuproperties_Click();
    void mnuMRU_Click(int index);
    // Writes the document in another form, in its current colours; a picture's pixels are
    // `scale` pixels square.
    void mnuexport_Click(DocumentExport::Format format, int scale = 1);
    void mnuselall_Click();
    void mnucopy_Click();
    void mnupaste_Click();
    void mnuallow_Click();
    void mnuenc_Click(TextEncoding::Kind kind);
    void mnuwordwrap_Click();
    // Shows the document's encoding in the View menu and the status bar.
    void updateDocumentStatus();
    void updateEditActions();
    void showZoom(int percent);
    void mnuexit_Click();
    void mnuabout_Click();
    void mnuauto_Click();
    void mnucolors_Click();
    void mnufont_Click();
    void mnucustom_Click();
    void checkGreeting();
    void showGreeting();

    Services m_services;
    DocumentFiles m_files;
    QString m_caption;
    bool m_shownOnce = false;
    RecentFiles m_recentFiles;
    bool m_unloaded = false;
    QMdiArea* m_workArea;
    WindowSlot<Form1> m_form1;
    WindowSlot<frmabout> m_about;
    WindowSlot<frmmovie> m_generator;
    WindowSlot<frmcolor> m_colours;
    WindowSlot<frmfont> m_font;
    WindowSlot<Form2> m_palette;
    WindowSlot<frmpilvo> m_greeting;
};
