#pragma once

#include <QByteArray>
#include <QString>

class QFileDevice;

// Reading and replacing a file as a whole, within one call. Only regular files are read, so a
// device, a FIFO or a socket can neither block the program nor feed it without end; a write
// either leaves the new bytes in place or the old file exactly as it was.
class WholeFile
{
public:
    enum class Status
    {
        Read,
        NotFound,     // missing, or a read error
        NotRegular,   // a folder, a device, a FIFO or a socket
        NoPermission, // there, but the user may not read it
        TooLarge,
    };

    struct Contents
    {
        Status status = Status::NotFound;
        QByteArray bytes; // what was read, also when reading failed part-way
    };

    // The file's bytes when it is a regular file of at most `maxSize` bytes. Never reads more
    // than `maxSize` + 1 bytes, also from a file that grows or says it is empty.
    static Contents read(const QString& path, qint64 maxSize);

    // Replaces the file: the bytes are written beside it, flushed and checked, and only then
    // renamed over it. Where the folder refuses new files but the file itself may be written,
    // the bytes go into the file in place and its old content is put back if any write fails.
    // False when the new bytes are not all in place.
    static bool replace(const QString& path, const QByteArray& bytes);

    // Writes every byte to the open device and pushes it out of Qt's buffer; false when any of
    // it failed. A buffered write that the system refuses (a full disk) fails only at the
    // flush, which is why a write is not done until this says so.
    static bool writeAll(QFileDevice& device, const QByteArray& bytes);

private:
    static bool overwriteInPlace(const QString& path, const QByteArray& bytes);
};
