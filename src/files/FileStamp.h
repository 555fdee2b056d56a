#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// What identifies a file's present state: which file it is (device and inode) and what it
// holds, as far as the system tells without reading it (size and modification time to the
// nanosecond). Two stamps of the same path differ when another program replaced, rewrote or
// touched the file in between.
struct FileStamp
{
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;

    // The stamp of the file at `path` now (a link is followed), or nothing when there is no
    // file there or it cannot be looked at.
    static std::optional<FileStamp> of(const QString& path);

    bool operator==(const FileStamp& other) const
    {
        return device == other.device && inode == other.inode && size == other.size &&
               modifiedNs == other.modifiedNs;
    }
    bool operator!=(const FileStamp& other) const { return !(*this == other); }
};
