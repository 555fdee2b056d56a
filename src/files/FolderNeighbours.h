#pragma once

#include <QString>
#include <QStringList>

// The text-art files of a file's folder (.nfo, .diz, .asc, .ans and .txt, whatever their case)
// in name order, and the one before or after a given file among them. The given file need not
// be there any more: its neighbours are those its name sorts between.
class FolderNeighbours
{
public:
    // The text-art files of the folder, their paths in name order.
    static QStringList textArt(const QString& folder);
    // The path of the text-art file after `path` (step 1) or before it (step -1) in its
    // folder, or "" when there is none.
    static QString neighbour(const QString& path, int step);

private:
    static bool before(const QString& a, const QString& b);
};
