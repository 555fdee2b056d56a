#include "PngWriter.h"

#include <cstring>
#include <zlib.h>

namespace {

// Rows are gathered into pieces of this size before deflating, and the deflated stream is cut
// into IDAT chunks of it.
constexpr qsizetype kPiece = 64 * 1024;
constexpr uchar kUpFilter = 2;

void appendBigEndian(QByteArray& bytes, quint32 value)
{
    const char b[4] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
    bytes.append(b, 4);
}

void appendColour(QByteArray& bytes, quint32 rgb)
{
    const char b[3] = {char(rgb >> 16), char(rgb >> 8), char(rgb)};
    bytes.append(b, 3);
}

// Each byte of the row less the byte above it, modulo 256: eight bytes at a time, with the
// top bit of each byte taken apart so that no borrow crosses into the next byte.
void upFiltered(const uchar* row, const uchar* above, qsizetype size, uchar* out)
{
    constexpr quint64 kTopBits = 0x8080808080808080u;
    qsizetype i = 0;
    for (; i + 8 <= size; i += 8) {
        quint64 a = 0;
        quint64 b = 0;
        std::memcpy(&a, row + i, 8);
        std::memcpy(&b, above + i, 8);
        const quint64 difference = ((a | kTopBits) - (b & ~kTopBits)) ^ ((a ^ ~b) & kTopBits);
        std::memcpy(out + i, &difference, 8);
    }
    for (; i < size; ++i)
        out[i] = uchar(row[i] - above[i]);
}

} // namespace

PngWriter::PngWriter(qint64 width, qint64 height, quint32 background, quint32 text)
    : m_rowBytes((width + 7) / 8), m_rowsLeft(height), m_zlib(std::make_unique<z_stream>())
{
    // A smaller hash table than zlib's default stays in the cache: faster, for about a percent
    // more bytes.
    m_failed =
        width < 1 || height < 1 || width > MaxSide || height > MaxSide ||
        deflateInit2(m_zlib.get(), Z_BEST_SPEED, Z_DEFLATED, 15, 6, Z_DEFAULT_STRATEGY) != Z_OK;
    m_file.append("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    appendBigEndian(header, quint32(width));
    appendBigEndian(header, quint32(height));
    // Bit depth 1, colour type 3 (palette), deflate, adaptive filtering, no interlace.
    header.append("\x01\x03\x00\x00\x00", 5);
    addChunk("IHDR", reinterpret_cast<const uchar*>(header.constData()), header.size());
    QByteArray palette;
    appendColour(palette, background);
    appendColour(palette, text);
    addChunk("PLTE", reinterpret_cast<const uchar*>(palette.constData()), palette.size());
    m_previous.fill('\0', m_rowBytes);
    m_pending.resize(kPiece + m_rowBytes + 1);
    m_deflated.resize(kPiece);
}

PngWriter::~PngWriter()
{
    deflateEnd(m_zlib.get());
}

void PngWriter::writeRow(const uchar* bits)
{
    if (m_failed || m_rowsLeft == 0) {
        m_failed = true;
        return;
    }
    --m_rowsLeft;
    uchar* out = reinterpret_cast<uchar*>(m_pending.data()) + m_pendingSize;
    *out++ = kUpFilter;
    upFiltered(bits, reinterpret_cast<const uchar*>(m_previous.constData()), m_rowBytes, out);
    std::memcpy(m_previous.data(), bits, size_t(m_rowBytes));
    m_pendingSize += m_rowBytes + 1;
    if (m_pendingSize >= kPiece)
        deflatePending(Z_NO_FLUSH);
}

void PngWriter::deflatePending(int flush)
{
    z_stream& zlib = *m_zlib;
    auto* in = reinterpret_cast<uchar*>(m_pending.data());
    qsizetype left = m_pendingSize;
    int status = Z_OK;
    do {
        // A row may be larger than zlib takes in one call.
        const auto chunk = uInt(qMin<qsizetype>(left, 1 << 30));
        zlib.next_in = in;
        zlib.avail_in = chunk;
        left -= chunk;
        in += chunk;
        const int mode = left > 0 ? Z_NO_FLUSH : flush;
        do {
            zlib.next_out = reinterpret_cast<uchar*>(m_deflated.data());
            zlib.avail_out = uInt(m_deflated.size());
            status = deflate(&zlib, mode);
            if (status == Z_STREAM_ERROR) {
                m_failed = true;
                return;
            }
            const qsizetype produced = m_deflated.size() - zlib.avail_out;
            if (produced > 0)
                addChunk("IDAT", reinterpret_cast<const uchar*>(m_deflated.constData()), produced);
        } while (zlib.avail_out == 0 || (mode == Z_FINISH && status != Z_STREAM_END));
    } while (left > 0);
    m_pendingSize = 0;
}

void PngWriter::addChunk(const char* type, const uchar* data, qsizetype size)
{
    appendBigEndian(m_file, quint32(size));
    m_file.append(type, 4);
    m_file.append(reinterpret_cast<const char*>(data), size);
    uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(type), 4);
    // zlib takes a null buffer as a request for the starting value, so none is passed.
    if (size > 0)
        crc = crc32_z(crc, data, size_t(size));
    appendBigEndian(m_file, quint32(crc));
}

QByteArray PngWriter::finish()
{
    if (!m_failed && m_rowsLeft == 0)
        deflatePending(Z_FINISH);
    if (m_failed || m_rowsLeft != 0)
        return QByteArray();
    addChunk("IEND", nullptr, 0);
    return std::move(m_file);
}
