#pragma once

#include <QtGlobal>

// How a document's rows of cells go onto pages: scaled so that the widest line, or 80 columns
// when every line is shorter, fills the printable width, and cut between rows, as many whole
// rows on a page as fit, so that no row of characters is ever split over two pages. Lengths
// on the page are in the printer's device pixels; lengths of the art in font pixels, a cell
// being 8 or 9 of them wide and 16 high.
class PrintLayout
{
public:
    static constexpr int MinColumns = 80;
    static constexpr int RowHeight = 16;

    // A page of `pageWidth` x `pageHeight` device pixels of printable area; the art is
    // `columns` cells wide, `cellWidth` font pixels each, and `lines` rows high.
    PrintLayout(double pageWidth, double pageHeight, qint64 columns, int cellWidth, qint64 lines);

    // Device pixels for one font pixel.
    double scale() const { return m_scale; }
    // Whole rows on a full page: at least one, even on a page too short for it.
    qint64 rowsPerPage() const { return m_rowsPerPage; }
    // At least one: an empty document prints an empty page.
    qint64 pages() const;
    // The first line of a page, and how many lines it holds.
    qint64 firstLine(qint64 page) const { return page * m_rowsPerPage; }
    qint64 linesOn(qint64 page) const;
    // The page where a line starts a new page, else -1.
    qint64 pageStartedBy(qint64 line) const;
    // The top of a line on its page, in font pixels.
    qint64 topOnPage(qint64 line) const { return (line % m_rowsPerPage) * RowHeight; }
    // The device pixel where a font pixel starts: edges are rounded the same way for both
    // sides of every rectangle, so that neighbouring pixels meet without gaps or overlaps.
    int edge(qint64 fontPixels) const;
    // The art's full width in font pixels, at least 80 columns.
    qint64 artWidth() const { return m_artColumns * m_cellWidth; }

private:
    qint64 m_artColumns;
    int m_cellWidth;
    qint64 m_lines;
    double m_scale;
    qint64 m_rowsPerPage;
};
