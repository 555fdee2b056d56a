#pragma once

#include "VgaFace.h"

#include <QString>
#include <array>
#include <functional>
#include <vector>

// A document's display text as a two-colour picture: one cell of the VGA face per character,
// 8 x 16 pixels, or 9 x 16 where the ninth column repeats the eighth for the line-drawing
// codes C0-DF (as the VGA hardware does) and is blank for the others; every pixel scaled to a
// square of whole pixels. The picture is as wide as the longest line and has one row of cells
// for each line; a tab moves to the next multiple of eight columns. Rows are made one at a
// time, so the picture never has to be held whole.
class TextPicture
{
public:
    // `columns` is 8 or 9, `scale` 1 to 4.
    TextPicture(const VgaFace& face, const QString& display, int columns, int scale);

    // The picture's size in pixels: at least one cell, so that an empty text gives a picture.
    qint64 width() const;
    qint64 height() const;
    // A cell's width and a pixel's side, in pixels of the picture.
    int cellWidth() const { return m_cellWidth * m_scale; }
    int scale() const { return m_scale; }
    // Bytes of one row: a bit for each pixel, the leftmost in the highest bit, 1 for text.
    qsizetype rowBytes() const { return (width() + 7) / 8; }

    // Hands every row, top to bottom, to `row` while it returns true; false when it stopped.
    bool render(const std::function<bool(const uchar* row)>& row) const;

private:
    void measure();
    // The cells of the line starting at `start`; gives the index after its line end.
    qsizetype lineCells(qsizetype start, std::vector<quint16>& cells) const;
    void drawRow(const std::vector<quint16>& cells, int glyphRow, uchar* row) const;

    QString m_display;
    int m_cellWidth;
    int m_scale;
    qint64 m_columns = 0;
    qint64 m_lines = 0;
    // Every cell's pixels for each glyph row, widened and scaled: the lowest bits of each,
    // the codes of one row side by side, so that drawing a row reads one small table.
    std::array<std::array<quint64, VgaFace::Missing + 1>, VgaFace::Height> m_cells{};
    // The same as bytes, for cells of exactly 8 pixels, the common case: a row is then one
    // table look-up per character.
    std::array<std::array<uchar, VgaFace::Missing + 1>, VgaFace::Height> m_bytes{};
};
