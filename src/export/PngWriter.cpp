#include "PngWriter.h"

#include "PictureDeflate.h"

#include <QIODevice>
#include <algorithm>
#include <cstring>
#include <system_error>
#include <thread>
#include <zlib.h>

namespace {

// Filtered rows are gathered into bands of about this size before they are deflated.
constexpr qsizetype kBand = 512 * 1024;
// The deflate window: each band may refer back this far into the band before it.
constexpr qsizetype kWindow = 32 * 1024;
constexpr char kNoFilter = 0;
constexpr char kUpFilter = 2;

void appendBigEndian(QByteArray& bytes, quint32 value)
{
    const char b[4] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
    bytes.append(b, 4);
}

// Each byte of the row less the byte above it, modulo 256: eight bytes at a time, with the
// top bit of each byte taken apart so that no borrow crosses into the next byte. Gives the
// count of zero bytes.
qsizetype upFiltered(const uchar* row, const uchar* above, qsizetype size, uchar* out)
{
    constexpr quint64 kTopBits = 0x8080808080808080u;
    qsizetype zeros = 0;
    qsizetype i = 0;
    for (; i + 8 <= size; i += 8) {
        quint64 a = 0;
        quint64 b = 0;
        std::memcpy(&a, row + i, 8);
        std::memcpy(&b, above + i, 8);
        const quint64 difference = ((a | kTopBits) - (b & ~kTopBits)) ^ ((a ^ ~b) & kTopBits);
        std::memcpy(out + i, &difference, 8);
        // A byte's top bit is set here exactly when the byte is zero; the multiplication
        // adds those bits up in the top byte.
        const quint64 low = (difference & ~kTopBits) + ~kTopBits;
        const quint64 zero = ~(low | difference | ~kTopBits);
        zeros += qsizetype(((zero >> 7) * 0x0101010101010101u) >> 56);
    }
    for (; i < size; ++i) {
        out[i] = uchar(row[i] - above[i]);
        zeros += out[i] == 0 ? 1 : 0;
    }
    return zeros;
}

qsizetype zeroBytes(const uchar* row, qsizetype size)
{
    return qsizetype(std::count(row, row + size, uchar(0)));
}

// One band of rows deflated as a run of blocks that may refer back into `before` (the end of
// the band before it), and its checksum.
PngWriter::Band deflateBand(const QByteArray& rows, const QByteArray& before,
                            const PictureDeflate::Layout& layout, bool last)
{
    PngWriter::Band band;
    band.size = rows.size();
    band.last = last;
    const QByteArray window = before + rows;
    band.deflated = PictureDeflate::compress(reinterpret_cast<const uchar*>(window.constData()),
                                             before.size(), window.size(), layout, last);
    band.checksum = quint32(
        adler32_z(1, reinterpret_cast<const Bytef*>(rows.constData()), size_t(rows.size())));
    return band;
}

} // namespace

bool PngWriter::fits(qint64 width, qint64 height)
{
    return width >= 1 && height >= 1 && width <= MaxWidth && height <= MaxHeight;
}

PngWriter::PngWriter(QIODevice& sink, qint64 width, qint64 height, int depth,
                     const QList<quint32>& palette, int cellWidth, int lineRows)
    : m_sink(sink), m_rowBytes((width * depth + 7) / 8), m_rowsLeft(height),
      m_workers(std::max(2u, std::thread::hardware_concurrency())), m_tryUp(depth == 1)
{
    m_failed = !fits(width, height) || palette.isEmpty() || palette.size() > (1 << depth);
    if (m_failed)
        return;
    m_failed = m_sink.write("\x89PNG\r\n\x1a\n", 8) != 8;
    QByteArray header;
    appendBigEndian(header, quint32(width));
    appendBigEndian(header, quint32(height));
    // Colour type 3 (palette), deflate, adaptive filtering, no interlace.
    header.append(char(depth)).append("\x03\x00\x00\x00", 4);
    writeChunk("IHDR", header);
    QByteArray colours;
    for (const quint32 rgb : palette)
        colours.append(char(rgb >> 16)).append(char(rgb >> 8)).append(char(rgb));
    writeChunk("PLTE", colours);
    m_previous.fill('\0', m_rowBytes);
    m_layout.stride = m_rowBytes + 1;
    m_layout.cell = cellWidth * depth % 8 == 0 ? cellWidth * depth / 8 : 0;
    m_layout.lineRows = lineRows;
    // At one bit a pixel a cell's glyph row is a byte, whose repeats the row above, the cell to
    // the left and the line above find; more effort gains little there.
    m_layout.thorough = depth > 1;
    m_band.reserve(std::max(kBand, m_rowBytes + 1) + m_rowBytes + 1);
}

PngWriter::~PngWriter()
{
    // Bands still being deflated are waited for, and dropped.
    for (std::future<Band>& band : m_working)
        band.wait();
}

void PngWriter::writeRow(const uchar* row)
{
    if (m_failed || m_rowsLeft == 0) {
        m_failed = true;
        return;
    }
    --m_rowsLeft;
    const qsizetype at = m_band.size();
    m_band.resize(at + 1 + m_rowBytes);
    auto* out = reinterpret_cast<uchar*>(m_band.data()) + at;
    auto* above = reinterpret_cast<uchar*>(m_previous.data());
    const qsizetype upZeros = m_tryUp ? upFiltered(row, above, m_rowBytes, out + 1) : 0;
    if (m_tryUp && upZeros > zeroBytes(row, m_rowBytes)) {
        out[0] = kUpFilter;
    } else {
        out[0] = kNoFilter;
        std::memcpy(out + 1, row, size_t(m_rowBytes));
    }
    std::memcpy(above, row, size_t(m_rowBytes));
    if (m_band.size() >= kBand)
        submitBand(false);
}

void PngWriter::submitBand(bool last)
{
    if (m_working.size() >= m_workers)
        collectBand();
    const QByteArray before = m_before;
    m_before = m_band.right(kWindow);
    std::future<Band> band;
    try {
        band = std::async(std::launch::async, deflateBand, m_band, before, m_layout, last);
    } catch (const std::system_error&) {
        // No thread to be had: the band is deflated here when it is collected.
        band = std::async(std::launch::deferred, deflateBand, m_band, before, m_layout, last);
    }
    m_working.push_back(std::move(band));
    m_band = QByteArray();
    m_band.reserve(std::max(kBand, m_rowBytes + 1) + m_rowBytes + 1);
}

void PngWriter::collectBand()
{
    const Band band = m_working.front().get();
    m_working.pop_front();
    m_failed = m_failed || band.failed;
    if (m_failed)
        return;
    QByteArray data;
    if (!m_streamStarted) {
        // The zlib stream's header: deflate with a 32 KB window, made at the fastest level.
        data.append("\x78\x01", 2);
        m_streamStarted = true;
    }
    data.append(band.deflated);
    m_checksum = quint32(adler32_combine(m_checksum, band.checksum, band.size));
    if (band.last)
        appendBigEndian(data, m_checksum);
    writeChunk("IDAT", data);
}

bool PngWriter::finish()
{
    if (!m_failed && m_rowsLeft == 0) {
        submitBand(true);
        while (!m_working.empty())
            collectBand();
        writeChunk("IEND", QByteArray());
    }
    return !m_failed && m_rowsLeft == 0;
}

void PngWriter::writeChunk(const char* type, const QByteArray& data)
{
    if (m_failed)
        return;
    QByteArray chunk;
    chunk.reserve(data.size() + 12);
    appendBigEndian(chunk, quint32(data.size()));
    chunk.append(type, 4).append(data);
    const auto* typed = reinterpret_cast<const Bytef*>(chunk.constData() + 4);
    appendBigEndian(chunk, quint32(crc32_z(0, typed, size_t(data.size()) + 4)));
    m_failed = m_sink.write(chunk) != chunk.size();
}
