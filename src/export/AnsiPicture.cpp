#include "AnsiPicture.h"

#include <cstring>
#include <vector>

namespace {

// The eight pixels of a glyph row as four bytes, two pixels a byte, the left one in the high
// half, with 0xF for each lit pixel.
quint32 nibbleMask(uchar glyphRow)
{
    uchar bytes[4] = {};
    for (int x = 0; x < VgaFace::Width; ++x) {
        if (glyphRow & (0x80 >> x))
            bytes[x / 2] |= x % 2 == 0 ? 0xF0 : 0x0F;
    }
    quint32 mask = 0;
    std::memcpy(&mask, bytes, 4);
    return mask;
}

} // namespace

AnsiPicture::AnsiPicture(const VgaFace& face, const AnsiCanvas& canvas, int columns, int scale)
    : m_face(face), m_canvas(canvas), m_cellWidth(columns == 9 ? 9 : 8), m_scale(scale)
{
    for (int y = 0; y < VgaFace::Height; ++y) {
        for (int code = 0; code < 256; ++code)
            m_masks[y][code] = nibbleMask(face.row(code, y));
    }
}

qint64 AnsiPicture::width() const
{
    return qint64(m_canvas.width()) * m_cellWidth * m_scale;
}

qint64 AnsiPicture::height() const
{
    return qint64(qMax(m_canvas.rows(), 1)) * VgaFace::Height * m_scale;
}

void AnsiPicture::drawNarrowRow(int y, int glyphRow, uchar* row) const
{
    const AnsiCanvas::Cell* cells = m_canvas.row(y);
    const std::array<quint32, 256>& masks = m_masks[glyphRow];
    for (int x = 0; x < m_canvas.width(); ++x) {
        const AnsiCanvas::Cell cell = cells[x];
        const quint32 mask = masks[cell.code];
        const quint32 value = (mask & (quint32(cell.foreground()) * 0x11111111u)) |
                              (~mask & (quint32(cell.background()) * 0x11111111u));
        std::memcpy(row + qsizetype(x) * 4, &value, 4);
    }
}

void AnsiPicture::drawRow(int y, int glyphRow, uchar* row, std::vector<uchar>& pixels) const
{
    if (m_cellWidth * m_scale == 8) {
        drawNarrowRow(y, glyphRow, row);
        return;
    }
    // A colour number a pixel first, then packed two to a byte.
    const AnsiCanvas::Cell* cells = m_canvas.row(y);
    uchar* out = pixels.data();
    for (int x = 0; x < m_canvas.width(); ++x) {
        const AnsiCanvas::Cell cell = cells[x];
        const uchar bits = m_face.row(cell.code, glyphRow);
        const bool ninth = VgaFace::repeatsEighthColumn(cell.code) && (bits & 1);
        for (int px = 0; px < m_cellWidth; ++px) {
            const bool lit = px < VgaFace::Width ? (bits & (0x80 >> px)) != 0 : ninth;
            std::memset(out, lit ? cell.foreground() : cell.background(), size_t(m_scale));
            out += m_scale;
        }
    }
    const qsizetype count = out - pixels.data();
    for (qsizetype i = 0; i < count; i += 2) {
        const uchar right = i + 1 < count ? pixels[size_t(i) + 1] : 0;
        row[i / 2] = uchar((pixels[size_t(i)] << 4) | right);
    }
}

bool AnsiPicture::render(const std::function<bool(const uchar* row)>& row) const
{
    std::vector<uchar> bytes(size_t(rowBytes()) + 4);
    std::vector<uchar> pixels(size_t(width()) + 1);
    if (m_canvas.rows() == 0) {
        // An empty canvas is one row of black cells.
        for (qint64 y = 0; y < height(); ++y) {
            if (!row(bytes.data()))
                return false;
        }
        return true;
    }
    for (int y = 0; y < m_canvas.rows(); ++y) {
        for (int glyphRow = 0; glyphRow < VgaFace::Height; ++glyphRow) {
            drawRow(y, glyphRow, bytes.data(), pixels);
            for (int s = 0; s < m_scale; ++s) {
                if (!row(bytes.data()))
                    return false;
            }
        }
    }
    return true;
}
