#pragma once

#include <QByteArray>
#include <QString>

// Reading and writing an NFO file as a whole, within one call.
class NfoFile
{
public:
    // Files beyond this size are not opened: the document would need many times the file's
    // size in memory.
    static constexpr qint64 MaxSize = qint64(256) * 1024 * 1024;

    enum class Status
    {
        Read,
        NotFound, // missing, a folder, no access, or a read error
        TooLarge,
    };

    struct Contents
    {
        Status status = Status::NotFound;
        QByteArray bytes; // what was read, also when reading failed part-way
    };

    static Contents read(const QString& path);

    // Replaces the file as a whole: either the new bytes are there or the old file is
    // untouched. False when nothing was written.
    static bool write(const QString& path, const QByteArray& bytes);
};
