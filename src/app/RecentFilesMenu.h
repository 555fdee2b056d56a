#pragma once

#include "MainMenuItems.h"
#include "documents/RecentFiles.h"

#include <QObject>

class Config;

// The recent files in the File menu, between its two separators: up to six paths, newest on
// top. The list is stored whenever it changes, so that a crash or a kill loses none of it.
class RecentFilesMenu : public QObject
{
    Q_OBJECT

public:
    RecentFilesMenu(MainMenuItems& items, Config& config, QObject* parent = nullptr);

    // Rebuilds the list from the store.
    void LoadMRU();
    // Stores the list.
    void SaveMRU();
    // Puts the path on top and stores the list.
    void AddToMRU(const QString& path);
    // While held, a change is stored only when the hold ends: start-up stores nothing before
    // the document has shown, as writing a store waits for the disk.
    void holdStore(bool held);

Q_SIGNALS:
    // An item was chosen: the path it names.
    void chosen(const QString& path);

private:
    void showRecentFiles();
    QAction* recentFileItem(int index);

    MainMenuItems& m;
    Config& m_config;
    RecentFiles m_recentFiles;
    bool m_held = false;
    bool m_unstored = false;
};
