#pragma once

#include "VgaFace.h"
#include "ansi/AnsiCanvas.h"

#include <array>
#include <functional>

// ANSI art as a picture of 16 colours, four bits a pixel: each cell the VGA glyph of its code
// in its foreground on its background, 8 x 16 pixels or 9 x 16 (the ninth column repeating
// the eighth for the line-drawing codes C0-DF, as the VGA hardware does), every pixel scaled
// to a square of whole pixels. Rows are made one at a time.
class AnsiPicture
{
public:
    static constexpr int Depth = 4;

    // `columns` is 8 or 9, `scale` 1 to 4.
    AnsiPicture(const VgaFace& face, const AnsiCanvas& canvas, int columns, int scale);

    qint64 width() const;
    qint64 height() const;
    // A cell's width and a pixel's side, in pixels of the picture.
    int cellWidth() const { return m_cellWidth * m_scale; }
    int scale() const { return m_scale; }
    qsizetype rowBytes() const { return (width() * Depth + 7) / 8; }

    // Hands every row, top to bottom, to `row` while it returns true; false when it stopped.
    bool render(const std::function<bool(const uchar* row)>& row) const;

private:
    void drawRow(int y, int glyphRow, uchar* row, std::vector<uchar>& pixels) const;
    void drawNarrowRow(int y, int glyphRow, uchar* row) const;

    const VgaFace& m_face;
    const AnsiCanvas& m_canvas;
    int m_cellWidth;
    int m_scale;
    // For cells of 8 pixels at scale 1, the common case: for each glyph row and code, the
    // cell's four bytes with every lit pixel's nibble set.
    std::array<std::array<quint32, 256>, VgaFace::Height> m_masks{};
};
