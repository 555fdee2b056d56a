#pragma once

#include <QStringList>
#include <functional>

// The recent-files list: at most six paths, newest first, no two the same file: equal paths,
// and on Windows, whose file names ignore letter case, equal without regard to it.
class RecentFiles
{
public:
    static constexpr int MaxCount = 6;

    const QStringList& paths() const { return m_paths; }
    // The index of the last path, -1 when the list is empty.
    int lastIndex() const { return static_cast<int>(m_paths.size()) - 1; }

    // The index of the first path naming the same file as `path`, or -1.
    int find(const QString& path) const;
    // Puts the path on top: a listed path moves there (in the letter case given now), a new
    // one is inserted there and the oldest drops out of a full list.
    void add(const QString& path);

    // Rebuilds the list from stored values read by index (0, 1, ...) until the first empty
    // one, keeping their order with value 0 on top; stops reading once the list is full.
    void load(const std::function<QString(int)>& readStored);

private:
    QStringList m_paths;
};
