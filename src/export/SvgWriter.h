#pragma once

#include "CellRows.h"
#include "GlyphRects.h"

#include <QByteArray>
#include <array>
#include <functional>
#include <vector>

class ByteSink;
class QIODevice;

// Cells written as an SVG picture whose glyphs are the VGA face's pixels as vector shapes:
// each glyph the cells use is defined once as a path of its rectangles of whole pixels, and
// every cell that shows something places it; background runs are rectangles. Edges are drawn
// crisp, so that the picture rasterises back to exactly the face's pixels.
//
// One unit of the picture is one pixel of the face; its width and height are those of the PNG
// export at `scale`, so that a viewer at its default size shows that picture pixel for pixel.
// Rows are written as they are read, so memory does not grow with the document.
class SvgWriter
{
public:
    // `scale` is 1 to 4.
    SvgWriter(const GlyphRects& glyphs, int scale);

    // Writes all of `rows` into `device`: false when it failed or `carryOn` (called with the
    // rows done after each row) said to stop.
    bool write(CellRows& rows, QIODevice& device, const std::function<bool(qint64 done)>& carryOn);

private:
    void writeHead(ByteSink& out, CellRows& rows);
    QByteArray row(const std::vector<CellRows::Cell>& cells, qint64 y) const;

    const GlyphRects& m_glyphs;
    int m_scale;
    std::vector<QByteArray> m_colours; // each palette colour as #RRGGBB
    // The start of the element that places each code's glyph, up to its x.
    std::array<QByteArray, VgaFace::Missing + 1> m_uses;
};
