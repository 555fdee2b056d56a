#include "Thumbnail.h"

#include "GreyPng.h"
#include "TextPicture.h"
#include "VgaFace.h"
#include "documents/DocumentCodec.h"
#include "documents/DocumentFormat.h"
#include "documents/SauceRecord.h"

#include <QFile>
#include <QFileInfo>
#include <vector>

namespace {

// The longest trailer a SAUCE record has: the Ctrl-Z, "COMNT", 255 comment lines of 64 bytes
// and the record of 128 bytes.
constexpr qint64 kMaxTrailer = 1 + 5 + 255 * 64 + 128;

// The head cut after its last line end, so that no character is cut in two: a UTF-16 text
// keeps whole code units (in UTF-16 LE, the zero byte after the line feed).
QByteArray wholeLines(const QByteArray& head)
{
    qsizetype end = head.lastIndexOf('\n') + 1;
    if (end == 0)
        end = head.size();
    const bool utf16 = head.startsWith("\xFF\xFE") || head.startsWith("\xFE\xFF");
    if (utf16 && end % 2 == 1)
        end = end < head.size() ? end + 1 : end - 1;
    return head.left(end);
}

// Averages the picture (one bit a pixel, 1 for text) into `width` x `height` grey
// bytes, black text on white.
QByteArray shrink(const TextPicture& picture, int width, int height)
{
    const qint64 sourceWidth = picture.width();
    const qint64 sourceHeight = picture.height();
    std::vector<quint32> lit(size_t(width) * size_t(height), 0);
    std::vector<quint32> count(lit.size(), 0);
    std::vector<int> column(static_cast<size_t>(sourceWidth));
    for (qint64 x = 0; x < sourceWidth; ++x)
        column[size_t(x)] = int(x * width / sourceWidth);
    qint64 y = 0;
    picture.render([&](const uchar* row) {
        const size_t line = size_t(y * height / sourceHeight) * size_t(width);
        for (qint64 x = 0; x < sourceWidth; ++x) {
            const size_t at = line + size_t(column[size_t(x)]);
            lit[at] += (row[x / 8] >> (7 - x % 8)) & 1;
            ++count[at];
        }
        ++y;
        return true;
    });
    QByteArray grey(qsizetype(lit.size()), Qt::Uninitialized);
    for (size_t i = 0; i < lit.size(); ++i)
        grey[qsizetype(i)] = char(255 - (count[i] ? 255 * lit[i] / count[i] : 0));
    return grey;
}

} // namespace

Thumbnail::Thumbnail(QString facePath) : m_facePath(std::move(facePath)) {}

bool Thumbnail::readHead(const QString& path, QByteArray& bytes)
{
    // Only a regular file: a FIFO or a device could block or never end.
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    bytes = file.read(HeadSize);
    if (bytes.size() < qMin(size, HeadSize))
        return false;
    if (size <= HeadSize)
        return true;
    bytes = wholeLines(bytes);
    const qint64 tailSize = qMin(kMaxTrailer, size - HeadSize);
    if (!file.seek(size - tailSize))
        return false;
    const QByteArray tail = file.read(tailSize);
    if (tail.size() != tailSize)
        return false;
    bytes += tail.right(SauceRecord::trailerLength(tail));
    return true;
}

QString Thumbnail::top(const QString& display)
{
    // A cell is twice as high as it is wide: MaxColumns / 2 lines of the widest art are square.
    QStringList lines;
    int widest = 1;
    for (qsizetype start = 0; start <= display.size() && lines.size() < MaxColumns / 2;) {
        qsizetype end = start;
        while (end < display.size() && !DocumentCodec::isLineBreak(display.at(end)))
            ++end;
        const QString line = display.mid(start, qMin<qsizetype>(end - start, MaxColumns));
        start = end + 1;
        // Blank lines above the art draw nothing.
        if (lines.isEmpty() && line.trimmed().isEmpty())
            continue;
        widest = qMax(widest, int(line.size()));
        lines.append(line);
    }
    // Narrower art shows fewer lines, so that the picture stays about square.
    while (lines.size() > (widest + 1) / 2 ||
           (!lines.isEmpty() && lines.last().trimmed().isEmpty()))
        lines.removeLast();
    return lines.join(QLatin1Char('\n'));
}

Thumbnail::Result Thumbnail::make(const QString& path, int size) const
{
    QByteArray bytes;
    if (!readHead(path, bytes))
        return {{}, tr("The file cannot be read.")};
    const QString shown = top(DocumentFormat::open(bytes).display);
    if (shown.trimmed().isEmpty())
        return {{}, tr("The file holds no text to draw.")};
    const std::optional<VgaFace> face = VgaFace::load(m_facePath);
    if (!face)
        return {{}, tr("The VGA font Px IBM VGA8 (Debian package fonts-pc) was not found.")};

    const TextPicture picture(*face, shown, VgaFace::Width, 1);
    const qint64 longer = qMax(picture.width(), picture.height());
    const int limit = qBound(1, size, MaxSize);
    // Never larger than the art at one pixel a pixel.
    const double scale = longer > limit ? double(limit) / double(longer) : 1.0;
    const int width = qMax(1, int(double(picture.width()) * scale));
    const int height = qMax(1, int(double(picture.height()) * scale));
    const QByteArray png = GreyPng::encode(width, height, shrink(picture, width, height));
    if (png.isEmpty())
        return {{}, tr("The picture could not be made.")};
    return {png, QString()};
}
