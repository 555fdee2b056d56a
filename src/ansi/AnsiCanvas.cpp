#include "AnsiCanvas.h"

#include "documents/Cp437.h"

#include <algorithm>

AnsiCanvas::AnsiCanvas(int width) : m_width(std::clamp(width, 1, MaxWidth)) {}

int AnsiCanvas::maxRows() const
{
    return int(MaxCells / m_width);
}

AnsiCanvas::Cell AnsiCanvas::cell(int x, int y) const
{
    if (x < 0 || x >= m_width || y < 0 || y >= m_rows)
        return Cell();
    return row(y)[x];
}

bool AnsiCanvas::grow(int y)
{
    if (y < 0 || y >= maxRows()) {
        m_truncated = m_truncated || y >= maxRows();
        return false;
    }
    if (y >= m_rows) {
        m_rows = y + 1;
        m_cells.resize(size_t(m_rows) * size_t(m_width));
    }
    return true;
}

bool AnsiCanvas::put(int x, int y, Cell cell)
{
    if (x < 0 || x >= m_width || !grow(y))
        return false;
    m_cells[size_t(y) * size_t(m_width) + size_t(x)] = cell;
    return true;
}

bool AnsiCanvas::fill(int y, int from, int to, Cell cell)
{
    from = std::clamp(from, 0, m_width);
    to = std::clamp(to, from, m_width);
    if (!grow(y))
        return false;
    const auto start = m_cells.begin() + qsizetype(y) * m_width;
    std::fill(start + from, start + to, cell);
    return true;
}

void AnsiCanvas::clear()
{
    m_cells.clear();
    m_rows = 0;
}

QList<QString> AnsiCanvas::lines() const
{
    QList<QString> lines;
    lines.reserve(m_rows);
    for (int y = 0; y < m_rows; ++y) {
        const Cell* cells = row(y);
        int end = m_width;
        while (end > 0 && (cells[end - 1].code == ' ' || cells[end - 1].code == 0))
            --end;
        QString line(end, QLatin1Char(' '));
        for (int x = 0; x < end; ++x) {
            if (cells[x].code != 0)
                line[x] = Cp437::toUnicode(cells[x].code);
        }
        lines.append(line);
    }
    return lines;
}

QString AnsiCanvas::text() const
{
    return lines().join(QLatin1Char('\n'));
}
