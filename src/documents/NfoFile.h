#pragma once

#include "files/WholeFile.h"

// Reading and writing an NFO file as a whole, within one call.
class NfoFile
{
public:
    // Files beyond this size are not opened: the document would need many times the file's
    // size in memory.
    static constexpr qint64 MaxSize = qint64(256) * 1024 * 1024;

    using Status = WholeFile::Status;
    using Contents = WholeFile::Contents;

    static Contents read(const QString& path) { return WholeFile::read(path, MaxSize); }

    // Replaces the file as a whole: either the new bytes are there or the old file is
    // untouched. False when the new bytes are not all in place.
    static bool write(const QString& path, const QByteArray& bytes)
    {
        return WholeFile::replace(path, bytes);
    }
};
