#pragma once

#include "VgaFace.h"

#include <QList>
#include <QString>
#include <bitset>
#include <vector>

class AnsiCanvas;

// The rows of character cells of an export, read one row at a time from the top: the display
// text's lines (a tab moving to the next multiple of eight columns, a character code page 437
// has no glyph for drawn as VgaFace::Missing) in colour 1 on colour 0, or ANSI art's cells in
// their colours. Colours are numbers into palette(). The grid is at least one cell, so that an
// empty document still gives a picture.
class CellRows
{
public:
    struct Cell
    {
        quint16 code = ' ';
        uchar foreground = 1;
        uchar background = 0;
    };

    // The text in `text` on `background`, both 0xRRGGBB.
    CellRows(const QString& display, quint32 text, quint32 background);
    explicit CellRows(const AnsiCanvas& canvas);

    qint64 columns() const { return m_columns; }
    qint64 rows() const { return m_rows; }
    const QList<quint32>& palette() const { return m_palette; }

    // The cells of the next row, as many as that row draws (a text line's own length), and
    // true; false after the last row. rewind() starts again at the top.
    bool next(std::vector<Cell>& cells);
    void rewind();

    // Which codes (0-255 and VgaFace::Missing) the cells hold; reads all rows and rewinds.
    using Codes = std::bitset<VgaFace::Missing + 1>;
    Codes usedCodes();

private:
    void measureText();
    void textLine(std::vector<Cell>& cells);

    const QString* m_display = nullptr;
    const AnsiCanvas* m_canvas = nullptr;
    QList<quint32> m_palette;
    qint64 m_columns = 1;
    qint64 m_rows = 1;
    qint64 m_row = 0;
    qsizetype m_position = 0;
};
