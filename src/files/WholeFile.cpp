#include "WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// Opens the path for reading only when it names a regular file. On Unix the file is opened
// without waiting (a FIFO would otherwise hold the program in open() until a writer came) and
// then looked at through the open handle, so nothing can be swapped in between.
WholeFile::Status openForReading(const QString& path, QFile& file)
{
    using Status = WholeFile::Status;
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == EACCES || errno == EPERM)
            return Status::NoPermission;
        return errno == ENXIO ? Status::NotRegular : Status::NotFound;
    }
    struct stat info = {};
    if (::fstat(fd, &info) != 0) {
        ::close(fd);
        return Status::NotFound;
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return Status::NotRegular;
    }
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Status::NotFound;
    }
    return Status::Read;
#else
    const QFileInfo info(path);
    if (!info.exists())
        return Status::NotFound;
    if (!info.isFile())
        return Status::NotRegular;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return info.isReadable() ? Status::NotFound : Status::NoPermission;
    return Status::Read;
#endif
}

#ifdef Q_OS_UNIX

// Opens the path only when it names a regular file. The file is opened without waiting (a FIFO
// would otherwise hold the program in open() until a writer came) and then looked at through
// the open handle, so nothing can be swapped in between. `flags` adds to the system's open
// flags, such as O_NOFOLLOW.
bool openRegularFile(const QString& path, QFile& file, QIODevice::OpenMode mode, int flags = 0)
{
    const int access = mode.testFlag(QIODevice::WriteOnly) ? O_RDWR : O_RDONLY;
    const int fd =
        ::open(QFile::encodeName(path).constData(), access | flags | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        !file.open(fd, mode | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

WholeFile::Kind kindOfMode(mode_t mode)
{
    if (S_ISREG(mode))
        return WholeFile::Kind::Regular;
    if (S_ISLNK(mode))
        return WholeFile::Kind::Link;
    if (S_ISDIR(mode))
        return WholeFile::Kind::Folder;
    return WholeFile::Kind::Special;
}

WholeFile::Kind kindOfPath(const QByteArray& path, struct stat& info)
{
    if (::lstat(path.constData(), &info) == 0)
        return kindOfMode(info.st_mode);
    return errno == ENOENT ? WholeFile::Kind::Missing : WholeFile::Kind::Unknown;
}

// The folder part of a path: "" for the root, "." for a bare name.
QByteArray folderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : path.left(slash);
}

// The file that a chain of symbolic links at the path's last component leads to, followed as
// far as the system itself follows links; the path itself when it is no link.
QByteArray followLinks(QByteArray path)
{
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info = {};
        if (::lstat(path.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
            return path;
        QByteArray link(PATH_MAX, Qt::Uninitialized);
        const ssize_t size = ::readlink(path.constData(), link.data(), size_t(link.size()));
        if (size <= 0 || size >= link.size())
            return path;
        link.truncate(size);
        path = link.startsWith('/') ? link : folderOf(path) + '/' + link;
    }
    return path;
}

bool writeFully(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    for (qsizetype left = bytes.size(); left > 0;) {
        const ssize_t count = ::write(fd, data, size_t(left));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        data += count;
        left -= count;
    }
    return true;
}

// A new file in the target's folder, made with the permissions that new files get; -1 when
// none can be made there. `name` is set to its path.
int createBeside(const QByteArray& target, QByteArray& name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folderOf(target) + "/.quilra-" +
               QByteArray::number(QRandomGenerator::global()->generate64(), 36) + ".tmp";
        const int fd =
            ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Gives the new file the old one's owner, group and permissions, as far as the user may;
// false when it ends up with another owner, group or permissions than the old one.
bool keepOwnership(int fd, const struct stat& old)
{
    // The owner first: giving a file to another owner or group clears its set-user-ID and
    // set-group-ID bits, which the permissions then put back. A user who may not give the
    // file away may still give it a group of their own.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 && ::fchown(fd, uid_t(-1), old.st_gid) != 0) {
        // The group of the user's own stays; the check below reports it.
    }
    const mode_t mode = old.st_mode & 07777;
    struct stat now = {};
    return ::fchmod(fd, mode) == 0 && ::fstat(fd, &now) == 0 && now.st_uid == old.st_uid &&
           now.st_gid == old.st_gid && (now.st_mode & 07777) == mode;
}

// Makes a rename in the folder last through a power cut; a folder that cannot be synced (some
// file systems refuse) leaves the rename as the system keeps it.
void syncFolder(const QByteArray& target)
{
    const QByteArray folder = folderOf(target);
    const int fd =
        ::open(folder.isEmpty() ? "/" : folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    if (::fsync(fd) != 0) {
        // Nothing more to do: the rename is done.
    }
    ::close(fd);
}

#else

bool openRegularFile(const QString& path, QFile& file, QIODevice::OpenMode mode, int = 0)
{
    file.setFileName(path);
    return QFileInfo(path).isFile() && file.open(mode | QIODevice::Unbuffered);
}

#endif

} // namespace

WholeFile::Contents WholeFile::read(const QString& path, qint64 maxSize)
{
    Contents contents;
    QFile file;
    if (path.isEmpty())
        return contents;
    contents.status = openForReading(path, file);
    if (contents.status != Status::Read)
        return contents;
    contents.status = Status::NotFound;
    if (file.size() > maxSize) {
        contents.status = Status::TooLarge;
        return contents;
    }
    // Room for one byte more than the file says it holds: reading that byte shows a file that
    // is larger than it said (such as those of /proc, which say 0) or grew meanwhile.
    QByteArray& bytes = contents.bytes;
    bytes.resize(file.size() + 1);
    qint64 total = 0;
    for (;;) {
        const qint64 count = file.read(bytes.data() + total, bytes.size() - total);
        if (count < 0) {
            bytes.truncate(total);
            return contents;
        }
        if (count == 0)
            break;
        total += count;
        if (total > maxSize) {
            bytes.clear();
            contents.status = Status::TooLarge;
            return contents;
        }
        if (total == bytes.size())
            bytes.resize(qMin(bytes.size() * 2, maxSize + 1));
    }
    bytes.truncate(total);
    contents.status = Status::Read;
    return contents;
}

WholeFile::Kind WholeFile::kindOf(const QString& path)
{
    if (path.isEmpty())
        return Kind::Unknown;
#ifdef Q_OS_UNIX
    struct stat info = {};
    return kindOfPath(QFile::encodeName(path), info);
#else
    const QFileInfo info(path);
    if (info.isSymLink())
        return Kind::Link;
    if (!info.exists())
        return Kind::Missing;
    return info.isDir() ? Kind::Folder : info.isFile() ? Kind::Regular : Kind::Special;
#endif
}

QString WholeFile::refusal(const QString& path, Kind kind)
{
    const QString name = QDir::toNativeSeparators(path);
    switch (kind) {
    case Kind::Link:
        return QCoreApplication::translate("WholeFile",
                                           "%1 is a symbolic link; nothing is written through it.")
            .arg(name);
    case Kind::Special:
        return QCoreApplication::translate("WholeFile", "%1 is a device, a pipe or a socket, not "
                                                        "a file; nothing is written to it.")
            .arg(name);
    case Kind::Folder:
        return QCoreApplication::translate("WholeFile", "%1 is a folder.").arg(name);
    case Kind::Missing:
    case Kind::Regular:
    case Kind::Unknown:
        break;
    }
    return QString();
}

std::optional<WholeFile::Identity> WholeFile::identity(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
#ifdef Q_OS_UNIX
    struct stat info = {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return Identity{quint64(info.st_dev), quint64(info.st_ino)};
#else
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (canonical.isEmpty())
        return std::nullopt;
    return Identity{0, quint64(qHash(canonical.toCaseFolded()))};
#endif
}

bool WholeFile::writeAll(QFileDevice& device, const QByteArray& bytes)
{
    return device.write(bytes) == bytes.size() && device.flush() &&
           device.error() == QFileDevice::NoError;
}

bool WholeFile::replace(const QString& path, const QByteArray& bytes)
{
    return replace(path, bytes, Links::Follow).written();
}

#ifdef Q_OS_UNIX

WholeFile::Replaced WholeFile::replace(const QString& path, const QByteArray& bytes, Links links)
{
    Replaced result;
    if (path.isEmpty())
        return result;
    QByteArray target = QFile::encodeName(path);
    if (links == Links::Follow)
        target = followLinks(target);
    struct stat old = {};
    result.kind = kindOfPath(target, old);
    const bool exists = result.kind == Kind::Regular;
    if (!exists && result.kind != Kind::Missing) {
        if (result.kind != Kind::Unknown)
            result.outcome = Outcome::Refused;
        return result;
    }
    QByteArray temporary;
    const int fd = createBeside(target, temporary);
    if (fd < 0) {
        // No file could be made beside the target (a folder the user may not write to); the
        // target itself may still be writable.
        if (exists && overwriteInPlace(QFile::decodeName(target), bytes))
            result.outcome = Outcome::Written;
        return result;
    }
    bool done = writeFully(fd, bytes) && ::fsync(fd) == 0;
    if (done && exists)
        result.ownershipChanged = !keepOwnership(fd, old);
    done = ::close(fd) == 0 && done;
    // A rename puts the new file in the place of whatever is there by then; it never writes
    // through a link or into a device that was put there meanwhile.
    if (done && ::rename(temporary.constData(), target.constData()) == 0) {
        syncFolder(target);
        result.outcome = Outcome::Written;
        result.hardLinkBroken = exists && old.st_nlink > 1;
        return result;
    }
    ::unlink(temporary.constData());
    return result;
}

#else

WholeFile::Replaced WholeFile::replace(const QString& path, const QByteArray& bytes, Links links)
{
    Replaced result;
    const QFileInfo target(path);
    result.kind = kindOf(path);
    if (result.kind == Kind::Link && links == Links::Follow)
        result.kind = kindOf(target.symLinkTarget());
    if (result.kind != Kind::Regular && result.kind != Kind::Missing) {
        if (result.kind != Kind::Unknown)
            result.outcome = Outcome::Refused;
        return result;
    }
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        if (!writeAll(file, bytes)) {
            file.cancelWriting();
            return result;
        }
        if (file.commit())
            result.outcome = Outcome::Written;
        return result;
    }
    if (target.isFile() && target.isWritable() && overwriteInPlace(path, bytes))
        result.outcome = Outcome::Written;
    return result;
}

#endif

bool WholeFile::overwriteInPlace(const QString& path, const QByteArray& bytes)
{
    // Opened without truncating, so that the old content stays until new bytes cover it, and
    // kept in memory to be put back when the new bytes cannot all be written. The path was
    // looked at already: a link put there since is not followed.
    QFile file;
#ifdef Q_OS_UNIX
    if (!openRegularFile(path, file, QIODevice::ReadWrite, O_NOFOLLOW))
        return false;
#else
    if (!openRegularFile(path, file, QIODevice::ReadWrite))
        return false;
#endif
    const QByteArray old = file.readAll();
    if (file.error() != QFileDevice::NoError || !file.seek(0))
        return false;
    if (writeAll(file, bytes) && file.resize(bytes.size()))
        return true;
    file.unsetError();
    if (file.seek(0) && writeAll(file, old))
        file.resize(old.size());
    return false;
}
