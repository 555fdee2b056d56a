#pragma once

#include <QColor>
#include <vector>

class PrintLayout;
class QPainter;

// The pixels of one printed line as few rectangles: each run of pixels of one colour in a
// pixel row is one rectangle, joined with the same run in the rows below it, so that a block
// or a stroke of box drawing is one rectangle however tall. The rectangles of a colour are
// drawn together, which keeps a printer's or a PDF's pages small.
class PrintRuns
{
public:
    // Adds the runs of a row of pixels, one colour index each (-1 for none), that spans
    // `top` to `bottom` in font pixels from the page's top.
    void addRow(const std::vector<int>& row, qint64 top, qint64 bottom);
    // Draws the rectangles in `colours` (by index) and starts afresh.
    void draw(QPainter& painter, const PrintLayout& layout, const std::vector<QColor>& colours);

private:
    struct Run
    {
        qint64 left;
        qint64 right;
        qint64 top;
        qint64 bottom;
        int colour;
    };

    // Joins a run of the new row to the same run above it, or starts a rectangle.
    void continueRun(const Run& run, size_t& above);

    // The rectangles that reach the last row added, left to right; those that ended above.
    std::vector<Run> m_open;
    std::vector<Run> m_closed;
    std::vector<Run> m_next;
};
