#pragma once

#include "MainMenuItems.h"

#include <QCoreApplication>

class QMainWindow;

// Builds the main window's menu bar: every menu and item with its caption, access key and
// shortcut, in the designed order. What the items do is connected elsewhere.
class MainMenuBuilder
{
    Q_DECLARE_TR_FUNCTIONS(MDIForm1)

public:
    MainMenuBuilder(MainMenuItems& items, QMainWindow& window);
    void build();
    // The desktop theme's icons on the common commands, where the theme has them. Finding one
    // searches the theme's folders, so this waits until the window shows.
    void addThemeIcons();

private:
    void buildFileMenu();
    void buildExportMenu();
    void buildPrintItems();
    void buildEditMenu();
    void buildViewMenu();
    void buildSettingsMenu();
    void buildHelpMenu();

    MainMenuItems& m;
    QMainWindow& m_window;
};
