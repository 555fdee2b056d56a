#include "NfoFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

NfoFile::Contents NfoFile::read(const QString& path)
{
    Contents contents;
    const QFileInfo info(path);
    if (path.isEmpty() || info.isDir())
        return contents;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return contents;
    if (file.size() > MaxSize) {
        contents.status = Status::TooLarge;
        return contents;
    }
    contents.bytes = file.readAll();
    contents.status = file.error() == QFileDevice::NoError ? Status::Read : Status::NotFound;
    return contents;
}

bool NfoFile::write(const QString& path, const QByteArray& bytes)
{
    if (path.isEmpty() || QFileInfo(path).isDir())
        return false;
    // Written beside the old file and renamed over it only when complete, so that a full disk
    // or a failed write leaves the old file as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
