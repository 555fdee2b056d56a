#include "GlyphRects.h"

namespace {

// The lit pixels of a glyph row widened to the cell, the leftmost in bit 0.
unsigned cellRow(const VgaFace& face, int code, int y, int cellWidth)
{
    const uchar bits = face.row(code, y);
    unsigned row = 0;
    for (int x = 0; x < VgaFace::Width; ++x) {
        if (bits & (0x80 >> x))
            row |= 1u << x;
    }
    if (cellWidth > VgaFace::Width && VgaFace::repeatsEighthColumn(code) && (bits & 1))
        row |= 1u << VgaFace::Width;
    return row;
}

} // namespace

GlyphRects::GlyphRects(const VgaFace& face, int columns) : m_cellWidth(columns == 9 ? 9 : 8)
{
    for (int code = 0; code <= VgaFace::Missing; ++code)
        m_rects[size_t(code)] = trace(face, code, m_cellWidth);
}

std::vector<GlyphRects::Rect> GlyphRects::trace(const VgaFace& face, int code, int cellWidth)
{
    std::vector<Rect> done;
    std::vector<Rect> open; // the runs of the row above, still growing downwards
    for (int y = 0; y <= VgaFace::Height; ++y) {
        const unsigned row = y < VgaFace::Height ? cellRow(face, code, y, cellWidth) : 0;
        std::vector<Rect> runs;
        for (int x = 0; x < cellWidth;) {
            if (!(row & (1u << x))) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < cellWidth && (row & (1u << x)))
                ++x;
            runs.push_back({start, y, x - start, 1});
        }
        std::vector<Rect> stillOpen;
        for (const Rect& run : open) {
            bool grows = false;
            for (Rect& next : runs) {
                if (next.x == run.x && next.width == run.width && next.height == 1 && next.y == y) {
                    next = {run.x, run.y, run.width, run.height + 1};
                    grows = true;
                    break;
                }
            }
            if (!grows)
                done.push_back(run);
        }
        stillOpen.swap(runs);
        open.swap(stillOpen);
    }
    return done;
}
