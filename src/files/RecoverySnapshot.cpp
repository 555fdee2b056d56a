#include "RecoverySnapshot.h"

#include <QList>

namespace {

const QByteArray kSignature = QByteArrayLiteral("Quilra recovery 1");
const QByteArray kPath = QByteArrayLiteral("path=");
const QByteArray kStamp = QByteArrayLiteral("stamp=");

QByteArray stampText(const std::optional<FileStamp>& stamp)
{
    if (!stamp)
        return QByteArray();
    return QByteArray::number(stamp->device) + ' ' + QByteArray::number(stamp->inode) + ' ' +
           QByteArray::number(stamp->size) + ' ' + QByteArray::number(stamp->modifiedNs);
}

// Nothing in `stamp` when the text is empty; false when it is not a stamp.
bool readStamp(const QByteArray& text, std::optional<FileStamp>& stamp)
{
    if (text.isEmpty())
        return true;
    const QList<QByteArray> parts = text.split(' ');
    if (parts.size() != 4)
        return false;
    bool ok[4] = {};
    FileStamp read;
    read.device = parts[0].toULongLong(&ok[0]);
    read.inode = parts[1].toULongLong(&ok[1]);
    read.size = parts[2].toLongLong(&ok[2]);
    read.modifiedNs = parts[3].toLongLong(&ok[3]);
    if (!(ok[0] && ok[1] && ok[2] && ok[3]))
        return false;
    stamp = read;
    return true;
}

} // namespace

QByteArray RecoverySnapshot::toBytes() const
{
    return kSignature + '\n' + kPath + filePath.toUtf8().toPercentEncoding() + '\n' + kStamp +
           stampText(stamp) + "\n\n" + bytes;
}

std::optional<RecoverySnapshot> RecoverySnapshot::fromBytes(const QByteArray& stored)
{
    const qsizetype end = stored.indexOf("\n\n");
    if (end < 0)
        return std::nullopt;
    const QList<QByteArray> lines = stored.left(end).split('\n');
    if (lines.size() != 3 || lines[0] != kSignature || !lines[1].startsWith(kPath) ||
        !lines[2].startsWith(kStamp))
        return std::nullopt;
    RecoverySnapshot snapshot;
    snapshot.filePath =
        QString::fromUtf8(QByteArray::fromPercentEncoding(lines[1].mid(kPath.size())));
    if (!readStamp(lines[2].mid(kStamp.size()), snapshot.stamp))
        return std::nullopt;
    snapshot.bytes = stored.mid(end + 2);
    return snapshot;
}
