#include "GreyPng.h"

#include <zlib.h>

namespace {

void appendBigEndian(QByteArray& out, quint32 value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(char((value >> shift) & 0xFF));
}

void appendChunk(QByteArray& out, const char* type, const QByteArray& data)
{
    appendBigEndian(out, quint32(data.size()));
    const qsizetype start = out.size();
    out.append(type, 4);
    out.append(data);
    const auto* bytes = reinterpret_cast<const Bytef*>(out.constData() + start);
    appendBigEndian(out, quint32(crc32(crc32(0, nullptr, 0), bytes, uInt(out.size() - start))));
}

} // namespace

QByteArray GreyPng::encode(int width, int height, const QByteArray& pixels)
{
    if (width <= 0 || height <= 0 || pixels.size() != qsizetype(width) * height)
        return QByteArray();
    // Each row starts with its filter type, 0: the bytes as they are.
    QByteArray raw;
    raw.reserve(pixels.size() + height);
    for (int y = 0; y < height; ++y) {
        raw.append('\0');
        raw.append(pixels.constData() + qsizetype(y) * width, width);
    }
    uLongf deflatedSize = compressBound(uLong(raw.size()));
    QByteArray deflated(qsizetype(deflatedSize), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef*>(deflated.data()), &deflatedSize,
                  reinterpret_cast<const Bytef*>(raw.constData()), uLong(raw.size()),
                  Z_BEST_SPEED) != Z_OK)
        return QByteArray();
    deflated.truncate(qsizetype(deflatedSize));

    QByteArray header;
    appendBigEndian(header, quint32(width));
    appendBigEndian(header, quint32(height));
    header.append(char(8)); // bits a pixel
    header.append(char(0)); // grey
    header.append(3, '\0'); // deflate, adaptive filters, no interlace
    QByteArray file("\x89PNG\r\n\x1A\n", 8);
    appendChunk(file, "IHDR", header);
    appendChunk(file, "IDAT", deflated);
    appendChunk(file, "IEND", QByteArray());
    return file;
}
