#include "PrintLayout.h"

#include <cmath>

PrintLayout::PrintLayout(double pageWidth, double pageHeight, qint64 columns, int cellWidth,
                         qint64 lines)
    : m_artColumns(qMax<qint64>(columns, MinColumns)), m_cellWidth(qMax(cellWidth, 1)),
      m_lines(qMax<qint64>(lines, 0))
{
    m_scale = qMax(pageWidth, 1.0) / double(artWidth());
    // A hair of slack, so that a page that fits a whole number of rows exactly is not
    // short of one by the rounding of the division.
    const double rows = pageHeight / (RowHeight * m_scale) + 1e-9;
    m_rowsPerPage = qMax<qint64>(1, qint64(std::floor(rows)));
}

qint64 PrintLayout::pages() const
{
    return qMax<qint64>(1, (m_lines + m_rowsPerPage - 1) / m_rowsPerPage);
}

qint64 PrintLayout::linesOn(qint64 page) const
{
    return qBound<qint64>(0, m_lines - firstLine(page), m_rowsPerPage);
}

qint64 PrintLayout::pageStartedBy(qint64 line) const
{
    return line % m_rowsPerPage == 0 ? line / m_rowsPerPage : -1;
}

int PrintLayout::edge(qint64 fontPixels) const
{
    return int(std::lround(double(fontPixels) * m_scale));
}
