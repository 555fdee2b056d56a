#include "SauceTrailer.h"

#include "DocumentCodec.h"
#include "SauceRecord.h"

#include <QtEndian>

namespace {

constexpr qsizetype kRecordSize = 128;
constexpr qsizetype kFileSizeAt = 90;
constexpr qsizetype kDataTypeAt = 94;
constexpr qsizetype kFileTypeAt = 95;
constexpr qsizetype kWidthAt = 96;
constexpr qsizetype kCommentsAt = 104;
constexpr qsizetype kFlagsAt = 105;
constexpr qsizetype kFontAt = 106;
constexpr char kEndOfFile = '\x1A';

// The 128-byte record at the end of a trailer, or "" when it does not end with a whole one.
QByteArray wholeRecord(const QByteArray& trailer)
{
    if (trailer.size() < kRecordSize)
        return QByteArray();
    const QByteArray record = trailer.right(kRecordSize);
    return record.startsWith("SAUCE") ? record : QByteArray();
}

// Text as code page 437, cut to `size` bytes and padded with `pad`.
QByteArray fixed(const QString& text, qsizetype size, char pad = ' ')
{
    QString oneLine = text;
    for (QChar& ch : oneLine) {
        if (LineEnd::isLineEnd(ch))
            ch = QLatin1Char(' ');
    }
    return DocumentCodec::fromDisplay(oneLine).left(size).leftJustified(size, pad);
}

void putNumber(QByteArray& record, qsizetype at, quint16 value)
{
    qToLittleEndian<quint16>(value, record.data() + at);
}

quint16 numberAt(const QByteArray& record, qsizetype at)
{
    return qFromLittleEndian<quint16>(record.constData() + at);
}

QByteArray newRecord()
{
    QByteArray record(kRecordSize, '\0');
    record[kDataTypeAt] = 1; // character
    record[kFileTypeAt] = 0; // ASCII
    return record;
}

QByteArray commentBlock(const QStringList& comments)
{
    if (comments.isEmpty())
        return QByteArray();
    QByteArray block = "COMNT";
    for (const QString& line : comments.mid(0, SauceTrailer::MaxComments))
        block += fixed(line, SauceTrailer::CommentSize);
    return block;
}

} // namespace

QByteArray SauceTrailer::write(const Fields& fields, quint32 contentSize, const QByteArray& old)
{
    QByteArray record = wholeRecord(old);
    if (record.isEmpty())
        record = newRecord();
    record.replace(0, 7, "SAUCE00");
    record.replace(7, TitleSize, fixed(fields.title, TitleSize));
    record.replace(42, NameSize, fixed(fields.author, NameSize));
    record.replace(62, NameSize, fixed(fields.group, NameSize));
    record.replace(82, 8, fixed(fields.date, 8));
    qToLittleEndian<quint32>(contentSize, record.data() + kFileSizeAt);
    putNumber(record, kWidthAt, quint16(qBound(0, fields.width, 0xFFFF)));
    record[kCommentsAt] = char(qMin<qsizetype>(fields.comments.size(), MaxComments));
    record.replace(kFontAt, FontSize, fixed(fields.font, FontSize, '\0'));
    return kEndOfFile + commentBlock(fields.comments) + record;
}

SauceTrailer::Fields SauceTrailer::fieldsOf(const QByteArray& trailer)
{
    Fields fields;
    const auto sauce = SauceRecord::read(trailer);
    if (!sauce)
        return fields;
    fields.title = sauce->title;
    fields.author = sauce->author;
    fields.group = sauce->group;
    fields.date = sauce->date;
    fields.comments = sauce->comments;
    fields.font = sauce->font;
    const QByteArray record = wholeRecord(trailer);
    if (!record.isEmpty())
        fields.width = numberAt(record, kWidthAt);
    return fields;
}

QByteArray SauceTrailer::withFileSize(const QByteArray& trailer, quint32 contentSize)
{
    if (wholeRecord(trailer).isEmpty())
        return trailer;
    QByteArray fixedSize = trailer;
    qToLittleEndian<quint32>(contentSize,
                             fixedSize.data() + fixedSize.size() - kRecordSize + kFileSizeAt);
    return fixedSize;
}

QList<std::pair<QString, QString>> SauceTrailer::describe(const QByteArray& trailer)
{
    const auto sauce = SauceRecord::read(trailer);
    if (!sauce)
        return {};
    // A damaged record is read where its fields would be, as SauceRecord reads it.
    QByteArray record = wholeRecord(trailer);
    if (record.isEmpty())
        record = trailer.mid(trailer.indexOf("SAUCE00")).leftJustified(kRecordSize, '\0');
    const auto number = [&record](qsizetype at) { return QString::number(numberAt(record, at)); };
    const auto byte = [&record](qsizetype at) { return QString::number(uchar(record.at(at))); };
    QList<std::pair<QString, QString>> lines = {
        {QStringLiteral("version"), sauce->version},
        {QStringLiteral("title"), sauce->title},
        {QStringLiteral("author"), sauce->author},
        {QStringLiteral("group"), sauce->group},
        {QStringLiteral("date"), sauce->date},
        {QStringLiteral("filesize"), QString::number(sauce->fileSize)},
        {QStringLiteral("datatype"), byte(kDataTypeAt)},
        {QStringLiteral("filetype"), byte(kFileTypeAt)},
        {QStringLiteral("tinfo1"), number(kWidthAt)},
        {QStringLiteral("tinfo2"), number(kWidthAt + 2)},
        {QStringLiteral("tinfo3"), number(kWidthAt + 4)},
        {QStringLiteral("tinfo4"), number(kWidthAt + 6)},
        {QStringLiteral("comments"), byte(kCommentsAt)},
        {QStringLiteral("tflags"), byte(kFlagsAt)},
        {QStringLiteral("tinfos"), sauce->font},
        {QStringLiteral("damaged"), sauce->damaged ? QStringLiteral("yes") : QStringLiteral("no")},
    };
    for (const QString& comment : sauce->comments)
        lines.append({QStringLiteral("comment"), comment});
    return lines;
}

QString SauceTrailer::dateOf(int year, int month, int day)
{
    return QStringLiteral("%1%2%3")
        .arg(year, 4, 10, QLatin1Char('0'))
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'));
}
