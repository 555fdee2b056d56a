#include "RecentFiles.h"

int RecentFiles::find(const QString& path) const
{
    const QString wanted = path.toUpper();
    for (qsizetype i = 0; i < m_paths.size(); ++i) {
        if (m_paths.at(i).toUpper() == wanted)
            return static_cast<int>(i);
    }
    return -1;
}

void RecentFiles::add(const QString& path)
{
    const int index = find(path);
    if (index >= 0)
        m_paths.removeAt(index);
    else if (m_paths.size() == MaxCount)
        m_paths.removeLast();
    m_paths.prepend(path);
}

void RecentFiles::load(const std::function<QString(int)>& readStored)
{
    // Adding the stored values from the last to the first keeps, newest on top, the first
    // value of each path in stored order, and at most six of them: the same list comes from
    // taking the values in stored order, skipping repeats, until six are there. So no key
    // after the sixth distinct path is read.
    m_paths.clear();
    for (int n = 0; m_paths.size() < MaxCount; ++n) {
        const QString value = readStored(n);
        if (value.isEmpty())
            break;
        if (find(value) < 0)
            m_paths.append(value);
    }
}
