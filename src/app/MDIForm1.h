#pragma once

#include "DocumentFiles.h"
#include "DocumentWindow.h"
#include "MainMenuItems.h"
#include "documents/NfoFile.h"
#include "documents/TextEncoding.h"
#include "export/DocumentExport.h"
#include "settings/Config.h"
#include "ui/DocumentAppearance.h"
#include "ui/NfoDocument.h"
#include "ui/Services.h"
#include "ui/WindowSlot.h"

#include <QMainWindow>

class ClockStatusBar;
class CrashRecovery;
class EditCommands;
class Form1;
class Form2;
class QMdiArea;
class QMdiSubWindow;
class RecentFilesMenu;
class SettingsWriteNotice;
class frmabout;
class frmcolor;
class frmfont;
class frmmovie;
class frmpilvo;

// The main window: the program's menus and status bar, and the work area that holds the one
// document window and the other child windows. It owns the run's document, settings and
// document appearance and hands them to the windows that work on them. Its start-up runs once,
// before it is shown; its unload runs when it closes.
class MDIForm1 : public QMainWindow, public MainMenuItems
{
    Q_OBJECT

public:
    explicit MDIForm1(Services services, QWidget* parent = nullptr);
    ~MDIForm1() override;

    // The start-up sequence. `argumentText` is the command line after the program's name.
    void startUp(const QString& argumentText);

    NfoDocument& document() { return m_document; }
    Config& config() { return m_config; }
    DocumentAppearance& appearance() { return m_appearance; }

    // The one document window, created (showing the document) when there is none.
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
    // Makes the file the document. Anything but Read means the file could not be opened or
    // read, and the document stays as it was. Says nothing itself.
    NfoFile::Status LoadDocumentText(const QString& path);

    QMdiArea* workArea() const { return m_workArea; }
    ClockStatusBar* StatusBar1 = nullptr;
    CrashRecovery* recovery() const { return m_recovery; }
    void setVisible(bool visible) override;

Q_SIGNALS:
    // Exit was chosen: the window has unloaded and the program is to end at once.
    void exitRequested();
    // The document has painted for the first time since start-up.
    void documentShown();
    // The work that start-up leaves until the document shows is done.
    void startUpFinished();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectMenus();
    void connectDocument();
    void watchDocumentWindow(Form1* window);
    // Adds a child window to the work area and shows it, as every window is shown when loaded.
    template <class Window> Window* addChild(Window* window);
    // Brings a window forward in the work area, showing it when hidden.
    void showChild(QMdiSubWindow* window);
    void finishStartUp();
    // Stores what start-up changed: the run counter and the recent files.
    void storeStartUp();

    void associateFiles();
    void showCaption();
    void setCaption(const QString& caption);
    void showStatus(const QString& text);
    void fitScreen();

    void unload();
    void mnunew_Click();
    void mnuload_Click();
    void mnuproperties_Click();
    // Opens the text-art file after (1) or before (-1) the document's in its folder.
    void stepFile(int step);
    void openRecent(const QString& path);
    // Writes the document in another form, in the document appearance; a picture's pixels are
    // `scale` pixels square.
    void mnuexport_Click(DocumentExport::Format format);
    // File > Print, or its preview.
    void printDocument(bool preview);
    void enablePrint(bool enabled);
    // While a print or an export runs, no other can start and the window stays open.
    void setWorking(bool working);
    void mnuallow_Click();
    // The link option's check mark as stored: anything but "no" checks it.
    void showLinkOption();
    void mnuexit_Click();
    void mnucustom_Click();
    void checkGreeting();
    void showGreeting();

    Services m_services;
    Config m_config;
    NfoDocument m_document;
    DocumentAppearance m_appearance;
    QMdiArea* m_workArea;
    QWidget* m_viewport = nullptr;
    DocumentWindow m_documentWindow;
    DocumentFiles m_files;
    RecentFilesMenu* m_recent = nullptr;
    EditCommands* m_edit = nullptr;
    SettingsWriteNotice* m_settingsNotice = nullptr;
    CrashRecovery* m_recovery = nullptr;
    QString m_caption;
    QString m_openedAtStart;
    bool m_startUpPending = false;
    bool m_startUpStored = false;
    bool m_shownOnce = false;
    bool m_unloaded = false;
    // The print dialog's last choice of black on white, for the next print of the run.
    bool m_printBlackOnWhite = false;
    bool m_printable = false;
    bool m_working = false;
    WindowSlot<frmabout> m_about;
    WindowSlot<frmmovie> m_generator;
    WindowSlot<frmcolor> m_colours;
    WindowSlot<frmfont> m_font;
    WindowSlot<Form2> m_palette;
    WindowSlot<frmpilvo> m_greeting;
};
