#include "RecentFiles.h"

int RecentFiles::find(const QString& path) const
{
    // Letter case makes two files where the file system tells it apart, and one where not.
#ifdef Q_OS_WIN
    constexpr Qt::CaseSensitivity sensitivity = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity sensitivity = Qt::CaseSensitive;
#endif
    for (qsizetype i = 0; i < m_paths.size(); ++i) {
        if (m_paths.at(i).compare(path, sensitivity) == 0)
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
