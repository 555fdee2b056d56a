#include "SauceRecord.h"

#include "DocumentCodec.h"

#include <QtEndian>

namespace {

constexpr qsizetype kRecordSize = 128;
constexpr qsizetype kCommentLine = 64;
constexpr qsizetype kCommentsAt = 104; // the count of comment lines, one byte
constexpr char kEndOfFile = '\x1A';

// A fixed-width field: code page 437 text, padded with blanks or NULs.
QString field(const QByteArray& record, qsizetype at, qsizetype size)
{
    QByteArray text = record.mid(at, size);
    const qsizetype nul = text.indexOf('\0');
    if (nul >= 0)
        text.truncate(nul);
    return DocumentCodec::toDisplay(text).trimmed();
}

// The length of a damaged record's trailer: from "SAUCE00" within the last 128 bytes, or from
// the Ctrl-Z right before it, to the end; 0 when there is none.
qsizetype damagedLength(const QByteArray& bytes)
{
    const qsizetype from = qMax<qsizetype>(0, bytes.size() - kRecordSize);
    const qsizetype at = bytes.indexOf("SAUCE00", from);
    if (at < 0)
        return 0;
    return bytes.size() - at + (at > 0 && bytes.at(at - 1) == kEndOfFile ? 1 : 0);
}

bool endsWithWholeRecord(const QByteArray& bytes)
{
    const qsizetype start = bytes.size() - kRecordSize;
    return start >= 0 && bytes.mid(start, 5) == "SAUCE";
}

// The record of a trailer, 128 bytes long: a damaged one is filled up with NULs, so that every
// field is read where it would be.
QByteArray recordOf(const QByteArray& trailer)
{
    if (endsWithWholeRecord(trailer))
        return trailer.right(kRecordSize);
    return trailer.mid(trailer.indexOf("SAUCE00")).leftJustified(kRecordSize, '\0');
}

} // namespace

qsizetype SauceRecord::trailerLength(const QByteArray& bytes)
{
    if (!endsWithWholeRecord(bytes))
        return damagedLength(bytes);
    const qsizetype start = bytes.size() - kRecordSize;
    qsizetype length = kRecordSize;
    const int lines = static_cast<uchar>(bytes.at(start + kCommentsAt));
    const qsizetype block = 5 + lines * kCommentLine;
    if (lines > 0 && start >= block && bytes.mid(start - block, 5) == "COMNT")
        length += block;
    if (bytes.size() > length && bytes.at(bytes.size() - length - 1) == kEndOfFile)
        ++length;
    return length;
}

std::optional<SauceRecord> SauceRecord::read(const QByteArray& trailer)
{
    if (trailer.isEmpty() || trailerLength(trailer) != trailer.size())
        return std::nullopt;
    const QByteArray record = recordOf(trailer);
    SauceRecord sauce;
    sauce.version = field(record, 5, 2);
    sauce.title = field(record, 7, 35);
    sauce.author = field(record, 42, 20);
    sauce.group = field(record, 62, 20);
    sauce.date = field(record, 82, 8);
    sauce.font = field(record, 106, 22);
    sauce.dataType = uchar(record.at(94));
    sauce.fileType = uchar(record.at(95));
    sauce.tInfo1 = uchar(record.at(96)) | (uchar(record.at(97)) << 8);
    sauce.tFlags = uchar(record.at(105));
    sauce.fileSize = qFromLittleEndian<quint32>(record.constData() + 90);
    const qsizetype comments = trailer.indexOf("COMNT");
    if (comments >= 0 && comments < trailer.size() - kRecordSize) {
        for (qsizetype at = comments + 5; at + kCommentLine <= trailer.size() - kRecordSize;
             at += kCommentLine)
            sauce.comments.append(field(trailer, at, kCommentLine));
    }
    const int claimed = static_cast<uchar>(record.at(kCommentsAt));
    sauce.damaged = !endsWithWholeRecord(trailer) || claimed != sauce.comments.size();
    return sauce;
}
