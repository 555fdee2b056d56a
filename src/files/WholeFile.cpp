#include "WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// Opens the path for reading only when it names a regular file. On Unix the file is opened
// without waiting (a FIFO would otherwise hold the program in open() until a writer came) and
// then looked at through the open handle, so nothing can be swapped in between.
WholeFile::Status openRegularFile(const QString& path, QFile& file)
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

} // namespace

WholeFile::Contents WholeFile::read(const QString& path, qint64 maxSize)
{
    Contents contents;
    QFile file;
    if (path.isEmpty())
        return contents;
    contents.status = openRegularFile(path, file);
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

bool WholeFile::writeAll(QFileDevice& device, const QByteArray& bytes)
{
    return device.write(bytes) == bytes.size() && device.flush() &&
           device.error() == QFileDevice::NoError;
}

bool WholeFile::replace(const QString& path, const QByteArray& bytes)
{
    const QFileInfo target(path);
    if (path.isEmpty() || target.isDir())
        return false;
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        if (!writeAll(file, bytes)) {
            file.cancelWriting();
            return false;
        }
        return file.commit();
    }
    // No file could be made beside the target (a folder the user may not write to); the
    // target itself may still be writable.
    return target.isFile() && target.isWritable() && overwriteInPlace(path, bytes);
}

bool WholeFile::overwriteInPlace(const QString& path, const QByteArray& bytes)
{
    // Opened without truncating, so that the old content stays until new bytes cover it, and
    // kept in memory to be put back when the new bytes cannot all be written.
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
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
