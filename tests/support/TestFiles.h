#pragma once

#include <QDir>
#include <QFile>
#include <numeric>

// Files the tests make and read back.
namespace TestFiles {

// Writes the bytes, making the folders on the way; returns the path.
inline QString write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
    return path;
}

// The file's bytes, or "<missing>" when it cannot be read.
inline QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The 256 codes in order, as a document's bytes.
inline QByteArray allCodes()
{
    QByteArray codes(256, Qt::Uninitialized);
    std::iota(codes.begin(), codes.end(), '\0');
    return codes;
}

} // namespace TestFiles
