#pragma once

#include <QByteArray>
#include <QHashFunctions>
#include <QString>
#include <optional>

class QFileDevice;

// Reading and replacing a file as a whole, within one call. Only regular files are read, so a
// device, a FIFO or a socket can neither block the program nor feed it without end; a write
// either leaves the new bytes in place or the old file exactly as it was, and goes only into a
// regular file: never into a device, a FIFO or a socket, and through a symbolic link only when
// the caller says so.
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

    // What a path names, its last component looked at itself (a link is not followed).
    enum class Kind
    {
        Missing,
        Regular,
        Link,
        Special, // a device, a FIFO or a socket
        Folder,
        Unknown, // the path cannot be looked at (no access, a file where a folder should be)
    };

    // Whether a replace follows a symbolic link at the path to the file it names. Only a link
    // that the user opened the file through is followed; any other is a link planted where a
    // file is to be written.
    enum class Links
    {
        Refuse,
        Follow,
    };

    enum class Outcome
    {
        Written,
        Refused, // the path names no regular file (see `kind`): nothing was written
        Failed,  // the write failed: the old file, if any, is as it was
    };

    struct Replaced
    {
        Outcome outcome = Outcome::Failed;
        Kind kind = Kind::Unknown; // what the path named before the write
        // The old file had further names (hard links); they keep the old bytes.
        bool hardLinkBroken = false;
        // The new file could not be given the old one's owner, group or permissions (special
        // bits included), as when the user may not give a file away.
        bool ownershipChanged = false;

        bool written() const { return outcome == Outcome::Written; }
    };

    // A file as the system knows it, whatever name it goes by.
    struct Identity
    {
        quint64 device = 0;
        quint64 inode = 0;

        friend bool operator==(const Identity& a, const Identity& b)
        {
            return a.device == b.device && a.inode == b.inode;
        }
    };

    // The file's bytes when it is a regular file of at most `maxSize` bytes. Never reads more
    // than `maxSize` + 1 bytes, also from a file that grows or says it is empty.
    static Contents read(const QString& path, qint64 maxSize);

    static Kind kindOf(const QString& path);

    // Why nothing may be written to a path of that kind, as one sentence naming the path; ""
    // for a path that may be written (missing, a regular file, or one that cannot be looked at,
    // which the write itself then reports).
    static QString refusal(const QString& path, Kind kind);

    // The identity of the file the path leads to (links followed, as a read follows them);
    // none when there is no such file.
    static std::optional<Identity> identity(const QString& path);

    // Replaces the regular file at the path, or makes it: the bytes are written beside it,
    // flushed and checked, given the old file's owner, group and permissions where the user
    // may, and only then renamed over it. A path that names a device, a FIFO, a socket or a
    // folder, or a symbolic link unless `links` follows it, is refused. Where the folder
    // refuses new files but the file itself may be written, the bytes go into the file in
    // place and its old content is put back if any write fails.
    static Replaced replace(const QString& path, const QByteArray& bytes, Links links);

    // The same, following links: for files of the program's own, such as its settings, which a
    // user may keep elsewhere behind a link. False when the new bytes are not all in place.
    static bool replace(const QString& path, const QByteArray& bytes);

    // Writes every byte to the open device and pushes it out of Qt's buffer; false when any of
    // it failed. A buffered write that the system refuses (a full disk) fails only at the
    // flush, which is why a write is not done until this says so.
    static bool writeAll(QFileDevice& device, const QByteArray& bytes);

private:
    static bool overwriteInPlace(const QString& path, const QByteArray& bytes);
};

inline size_t qHash(const WholeFile::Identity& identity, size_t seed = 0)
{
    return qHashMulti(seed, identity.device, identity.inode);
}
