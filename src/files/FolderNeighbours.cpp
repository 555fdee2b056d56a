#include "FolderNeighbours.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

bool FolderNeighbours::before(const QString& a, const QString& b)
{
    // Names as a person reads them: case aside, then by case so the order is always the same.
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
}

QStringList FolderNeighbours::textArt(const QString& folder)
{
    const QDir dir(folder);
    const QStringList patterns = {QStringLiteral("*.nfo"), QStringLiteral("*.diz"),
                                  QStringLiteral("*.asc"), QStringLiteral("*.ans"),
                                  QStringLiteral("*.txt")};
    // Without QDir::CaseSensitive the patterns match any case.
    QStringList names = dir.entryList(patterns, QDir::Files | QDir::Readable | QDir::Hidden);
    std::sort(names.begin(), names.end(), &FolderNeighbours::before);
    QStringList paths;
    for (const QString& name : names)
        paths.append(dir.filePath(name));
    return paths;
}

QString FolderNeighbours::neighbour(const QString& path, int step)
{
    if (path.isEmpty() || step == 0)
        return QString();
    const QFileInfo file(path);
    const QString name = file.fileName();
    const QStringList paths = textArt(file.absolutePath());
    if (step > 0) {
        for (const QString& other : paths)
            if (before(name, QFileInfo(other).fileName()))
                return other;
        return QString();
    }
    for (auto it = paths.crbegin(); it != paths.crend(); ++it)
        if (before(QFileInfo(*it).fileName(), name))
            return *it;
    return QString();
}
