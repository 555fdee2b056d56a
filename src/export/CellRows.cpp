#include "CellRows.h"

#include "ansi/AnsiCanvas.h"
#include "ansi/VgaColours.h"
#include "documents/DocumentCodec.h"

CellRows::CellRows(const QString& display, quint32 text, quint32 background)
    : m_display(&display), m_palette{background, text}
{
    measureText();
}

CellRows::CellRows(const AnsiCanvas& canvas)
    : m_canvas(&canvas), m_columns(canvas.width()), m_rows(qMax(canvas.rows(), 1))
{
    for (int colour = 0; colour < VgaColours::Count; ++colour)
        m_palette.append(VgaColours::rgb(colour));
}

void CellRows::measureText()
{
    qint64 column = 0;
    qint64 lines = 0;
    const qsizetype n = m_display->size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar ch = m_display->at(i);
        if (DocumentCodec::isLineBreak(ch)) {
            m_columns = qMax(m_columns, column);
            column = 0;
            ++lines;
        } else if (ch == QLatin1Char('\t')) {
            column = (column / VgaFace::TabColumns + 1) * VgaFace::TabColumns;
        } else {
            if (ch.isHighSurrogate() && i + 1 < n && m_display->at(i + 1).isLowSurrogate())
                ++i;
            ++column;
        }
    }
    m_columns = qMax(m_columns, column);
    // A last line without a line end is a line too; the end of the last line starts none.
    if (n > 0 && !DocumentCodec::isLineBreak(m_display->at(n - 1)))
        ++lines;
    m_rows = qMax<qint64>(lines, 1);
}

CellRows::Codes CellRows::usedCodes()
{
    Codes used;
    std::vector<Cell> cells;
    rewind();
    while (next(cells)) {
        for (const Cell& cell : cells)
            used.set(cell.code);
    }
    rewind();
    return used;
}

void CellRows::rewind()
{
    m_row = 0;
    m_position = 0;
}

bool CellRows::next(std::vector<Cell>& cells)
{
    if (m_row >= m_rows)
        return false;
    cells.clear();
    if (m_display) {
        textLine(cells);
    } else if (m_row < m_canvas->rows()) {
        const AnsiCanvas::Cell* row = m_canvas->row(int(m_row));
        for (int x = 0; x < m_canvas->width(); ++x)
            cells.push_back({row[x].code, uchar(row[x].foreground()), uchar(row[x].background())});
    } else {
        // An empty canvas is one row of black cells.
        cells.assign(size_t(m_columns), Cell{' ', 0, 0});
    }
    ++m_row;
    return true;
}

void CellRows::textLine(std::vector<Cell>& cells)
{
    const QString& text = *m_display;
    const qsizetype n = text.size();
    qsizetype i = m_position;
    for (; i < n; ++i) {
        const QChar ch = text.at(i);
        if (DocumentCodec::isLineBreak(ch)) {
            ++i;
            break;
        }
        if (ch == QLatin1Char('\t')) {
            cells.resize((cells.size() / VgaFace::TabColumns + 1) * VgaFace::TabColumns, Cell());
        } else if (ch.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
            cells.push_back({quint16(VgaFace::Missing), 1, 0});
            ++i;
        } else {
            cells.push_back({VgaFace::cellCode(ch), 1, 0});
        }
    }
    m_position = i;
}
