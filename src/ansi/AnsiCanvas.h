#pragma once

#include <QList>
#include <QString>
#include <vector>

// ANSI art as it is drawn: rows of cells of a fixed width, each a code page 437 code with a
// foreground and a background colour, numbered as the 16 VGA colours of VgaColours. Rows
// grow as the art draws into them, up to a limit of MaxCells cells (200,000 rows at 80
// columns); art that goes beyond is cut there and says so.
class AnsiCanvas
{
public:
    struct Cell
    {
        uchar code = ' ';
        uchar colours = 0x07; // the foreground in the low four bits, the background above

        int foreground() const { return colours & 0x0F; }
        int background() const { return colours >> 4; }
        bool operator==(const Cell& other) const
        {
            return code == other.code && colours == other.colours;
        }
    };

    static constexpr qint64 MaxCells = 16'000'000;
    static constexpr int MaxWidth = 1000;

    // `width` is bounded to 1 .. MaxWidth.
    explicit AnsiCanvas(int width = 80);

    int width() const { return m_width; }
    int rows() const { return m_rows; }
    // The most rows this canvas holds.
    int maxRows() const;
    // True when the art drew beyond maxRows() and was cut.
    bool truncated() const { return m_truncated; }
    void setTruncated() { m_truncated = true; }

    // A blank default cell beyond the drawn rows.
    Cell cell(int x, int y) const;
    // The cells of a drawn row, width() of them.
    const Cell* row(int y) const { return m_cells.data() + qsizetype(y) * m_width; }
    // Sets a cell, growing the canvas to its row; false beyond maxRows().
    bool put(int x, int y, Cell cell);
    // Sets cells `from` .. `to` - 1 of a row to `cell`.
    bool fill(int y, int from, int to, Cell cell);
    // Drops every row.
    void clear();

    // The drawn characters, a row a line, without the blanks at the end of each row: what
    // Find searches and the UTF-8 text holds.
    QString text() const;
    // The same, a QString a row.
    QList<QString> lines() const;

private:
    bool grow(int y);

    int m_width;
    int m_rows = 0;
    bool m_truncated = false;
    std::vector<Cell> m_cells;
};
