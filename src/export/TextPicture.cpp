#include "TextPicture.h"

#include "documents/DocumentCodec.h"

#include <cstring>

namespace {

// The glyph row widened to the cell and every pixel repeated `scale` times.
quint64 cellBits(uchar glyphRow, bool ninth, int cellWidth, int scale)
{
    quint64 bits = 0;
    for (int x = 0; x < cellWidth; ++x) {
        const int source = x < VgaFace::Width ? x : VgaFace::Width - 1;
        const bool lit = (x < VgaFace::Width || ninth) && (glyphRow & (0x80 >> source));
        for (int s = 0; s < scale; ++s)
            bits = (bits << 1) | (lit ? 1 : 0);
    }
    return bits;
}

} // namespace

TextPicture::TextPicture(const VgaFace& face, const QString& display, int columns, int scale)
    : m_display(display), m_cellWidth(columns), m_scale(scale)
{
    for (int code = 0; code <= VgaFace::Missing; ++code) {
        const bool ninth = code < 256 && VgaFace::repeatsEighthColumn(code);
        for (int y = 0; y < VgaFace::Height; ++y) {
            m_cells[y][code] = cellBits(face.row(code, y), ninth, m_cellWidth, m_scale);
            m_bytes[y][code] = face.row(code, y);
        }
    }
    measure();
}

void TextPicture::measure()
{
    qint64 column = 0;
    const qsizetype n = m_display.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar ch = m_display.at(i);
        if (DocumentCodec::isLineBreak(ch)) {
            m_columns = qMax(m_columns, column);
            column = 0;
            ++m_lines;
        } else if (ch == QLatin1Char('\t')) {
            column = (column / VgaFace::TabColumns + 1) * VgaFace::TabColumns;
        } else {
            if (ch.isHighSurrogate() && i + 1 < n && m_display.at(i + 1).isLowSurrogate())
                ++i;
            ++column;
        }
    }
    m_columns = qMax(m_columns, column);
    // A last line without a line end is a line too; the end of the last line starts none.
    if (n > 0 && !DocumentCodec::isLineBreak(m_display.at(n - 1)))
        ++m_lines;
}

qint64 TextPicture::width() const
{
    return qMax<qint64>(m_columns, 1) * m_cellWidth * m_scale;
}

qint64 TextPicture::height() const
{
    return qMax<qint64>(m_lines, 1) * VgaFace::Height * m_scale;
}

qsizetype TextPicture::lineCells(qsizetype start, std::vector<quint16>& cells) const
{
    cells.clear();
    const qsizetype n = m_display.size();
    qsizetype i = start;
    for (; i < n; ++i) {
        const QChar ch = m_display.at(i);
        if (DocumentCodec::isLineBreak(ch))
            return i + 1;
        if (ch == QLatin1Char('\t')) {
            cells.resize((cells.size() / VgaFace::TabColumns + 1) * VgaFace::TabColumns, 0);
        } else if (ch.isHighSurrogate() && i + 1 < n && m_display.at(i + 1).isLowSurrogate()) {
            cells.push_back(VgaFace::Missing);
            ++i;
        } else {
            cells.push_back(VgaFace::cellCode(ch));
        }
    }
    return i;
}

void TextPicture::drawRow(const std::vector<quint16>& cells, int glyphRow, uchar* row) const
{
    const int bitsPerCell = m_cellWidth * m_scale;
    uchar* out = row;
    if (bitsPerCell == 8) {
        const std::array<uchar, VgaFace::Missing + 1>& bytes = m_bytes[glyphRow];
        for (const quint16 code : cells)
            *out++ = bytes[code];
        std::memset(out, 0, size_t(row + rowBytes() - out));
        return;
    }
    // Cells are pushed into an accumulator from the right and bytes taken from its top; a cell
    // is at most 36 bits wide, so fewer than 44 bits are ever waiting.
    const std::array<quint64, VgaFace::Missing + 1>& bits = m_cells[glyphRow];
    quint64 pending = 0;
    int pendingBits = 0;
    for (const quint16 code : cells) {
        pending = (pending << bitsPerCell) | bits[code];
        pendingBits += bitsPerCell;
        while (pendingBits >= 8) {
            pendingBits -= 8;
            *out++ = uchar(pending >> pendingBits);
        }
    }
    if (pendingBits > 0)
        *out++ = uchar(pending << (8 - pendingBits));
    std::memset(out, 0, size_t(row + rowBytes() - out));
}

bool TextPicture::render(const std::function<bool(const uchar* row)>& row) const
{
    std::vector<uchar> pixels(static_cast<size_t>(rowBytes()));
    std::vector<quint16> cells;
    qsizetype next = 0;
    for (qint64 line = 0; line < qMax<qint64>(m_lines, 1); ++line) {
        next = lineCells(next, cells);
        for (int y = 0; y < VgaFace::Height; ++y) {
            drawRow(cells, y, pixels.data());
            for (int s = 0; s < m_scale; ++s) {
                if (!row(pixels.data()))
                    return false;
            }
        }
    }
    return true;
}
