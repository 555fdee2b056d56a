#pragma once

#include "VgaFace.h"

#include <array>
#include <vector>

// The VGA face's glyphs as rectangles of whole pixels, for drawing them as vector shapes that
// rasterise back to exactly the face's pixels: each row's runs of lit pixels, a run that
// repeats on the rows below it taken as one taller rectangle. A cell is 8 pixels wide, or 9
// where the ninth column repeats the eighth for the line-drawing codes C0-DF (as the VGA
// hardware does) and is blank for the others.
class GlyphRects
{
public:
    struct Rect
    {
        int x;
        int y; // 0 at the top of the cell
        int width;
        int height;
    };

    // `columns` is 8 or 9.
    GlyphRects(const VgaFace& face, int columns);

    int cellWidth() const { return m_cellWidth; }
    // The rectangles of a code 0-255 or VgaFace::Missing; none for a blank glyph.
    const std::vector<Rect>& rects(int code) const { return m_rects[size_t(code)]; }
    bool blank(int code) const { return m_rects[size_t(code)].empty(); }

private:
    static std::vector<Rect> trace(const VgaFace& face, int code, int cellWidth);

    int m_cellWidth;
    std::array<std::vector<Rect>, VgaFace::Missing + 1> m_rects;
};
