#include "RecentFiles.h"

namespace {

// Stores filled by hand could hold endless keys; far more than the list can show is enough to
// rebuild it exactly.
constexpr int kMaxStoredRead = 10000;

} // namespace

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
    QStringList stored;
    for (int n = 0; n < kMaxStoredRead; ++n) {
        const QString value = readStored(n);
        if (value.isEmpty())
            break;
        stored.append(value);
    }
    for (qsizetype i = stored.size() - 1; i >= 0; --i)
        add(stored.at(i));
}
