#include "PrintPainter.h"

#include "PrintRuns.h"
#include "ansi/AnsiCanvas.h"
#include "ansi/VgaColours.h"
#include "export/TextPicture.h"
#include "export/VgaFace.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <climits>

namespace {

// The lit pixels of a glyph row in a cell: the ninth column repeats the eighth for the
// line-drawing codes C0-DF, as the VGA hardware does, and is blank for the others.
bool lit(const VgaFace& face, int code, int glyphRow, int x)
{
    const uchar bits = face.row(code, glyphRow);
    if (x < VgaFace::Width)
        return (bits & (0x80 >> x)) != 0;
    return VgaFace::repeatsEighthColumn(code) && (bits & 1) != 0;
}

} // namespace

PrintPainter::PrintPainter(const VgaFace& face, const QString& display, int columns,
                           const QColor& text, const QColor& background)
    : m_face(face), m_display(display), m_columns(columns == 9 ? 9 : 8), m_text(text),
      m_background(background)
{
}

PrintPainter::PrintPainter(const VgaFace& face, const AnsiCanvas& canvas, int columns)
    : m_face(face), m_canvas(&canvas), m_columns(columns == 9 ? 9 : 8)
{
}

QString PrintPainter::paint(QPagedPaintDevice& device, bool blackOnWhite,
                            const NextPage& next) const
{
    QPainter painter;
    if (!painter.begin(&device))
        return tr("The printer could not be started, so nothing was printed.");
    if (m_canvas)
        paintArt(painter, device, blackOnWhite, next);
    else
        paintText(painter, device, blackOnWhite, next);
    if (!painter.end())
        return tr("The printer stopped before the last page.");
    return QString();
}

bool PrintPainter::startLine(QPagedPaintDevice& device, const PrintLayout& layout, qint64 line,
                             PageRun& run)
{
    const qint64 page = layout.pageStartedBy(line);
    if (page < 0)
        return run.chosen;
    // Pages are counted from 1 in the print dialog's range; an empty range is every page.
    const QPageRanges ranges = device.pageRanges();
    run.chosen = ranges.isEmpty() || ranges.contains(int(qMin<qint64>(page + 1, INT_MAX)));
    if (run.chosen && run.started) {
        run.stopped = run.next && !run.next(page, layout.pages());
        if (run.stopped)
            return false;
        device.newPage();
    }
    run.started = run.started || run.chosen;
    return run.chosen;
}

void PrintPainter::fillRect(QPainter& painter, const PrintLayout& layout, qint64 left, qint64 right,
                            qint64 top, qint64 bottom, const QColor& colour)
{
    const int x = layout.edge(left);
    const int y = layout.edge(top);
    painter.fillRect(x, y, layout.edge(right) - x, layout.edge(bottom) - y, colour);
}

void PrintPainter::paintText(QPainter& painter, QPagedPaintDevice& device, bool blackOnWhite,
                             const NextPage& next) const
{
    const TextPicture picture(m_face, m_display, m_columns, 1);
    const PrintLayout layout(device.width(), device.height(), picture.width() / m_columns,
                             m_columns, picture.height() / PrintLayout::RowHeight);
    const std::vector<QColor> ink = {blackOnWhite ? QColor(Qt::black) : m_text};
    PixelRow pixels(size_t(picture.width()));
    PageRun run{next};
    PrintRuns runs;
    bool chosen = true;
    qint64 y = 0;
    picture.render([&](const uchar* row) {
        const qint64 line = y / PrintLayout::RowHeight;
        const qint64 top = layout.topOnPage(line) + y % PrintLayout::RowHeight;
        if (y++ % PrintLayout::RowHeight == 0) {
            chosen = startLine(device, layout, line, run);
            if (run.stopped)
                return false;
            if (chosen && !blackOnWhite)
                fillRect(painter, layout, 0, layout.artWidth(), top, top + PrintLayout::RowHeight,
                         m_background);
        }
        if (!chosen)
            return true;
        for (size_t x = 0; x < pixels.size(); ++x)
            pixels[x] = (row[x / 8] & (0x80 >> (x % 8))) ? 0 : -1;
        runs.addRow(pixels, top, top + 1);
        if (y % PrintLayout::RowHeight == 0)
            runs.draw(painter, layout, ink);
        return true;
    });
}

void PrintPainter::paintArt(QPainter& painter, QPagedPaintDevice& device, bool blackOnWhite,
                            const NextPage& next) const
{
    const PrintLayout layout(device.width(), device.height(), m_canvas->width(), m_columns,
                             m_canvas->rows());
    PageRun run{next};
    for (int y = 0; y < m_canvas->rows() && !run.stopped; ++y) {
        if (startLine(device, layout, y, run))
            paintArtLine(painter, layout, y, blackOnWhite);
    }
}

void PrintPainter::paintArtLine(QPainter& painter, const PrintLayout& layout, int y,
                                bool blackOnWhite) const
{
    std::vector<QColor> colours;
    for (int colour = 0; colour < VgaColours::Count; ++colour)
        colours.push_back(blackOnWhite ? QColor(Qt::black) : QColor(VgaColours::rgb(colour)));
    const AnsiCanvas::Cell* cells = m_canvas->row(y);
    const qint64 top = layout.topOnPage(y);
    PixelRow pixels(size_t(m_canvas->width()) * size_t(m_columns));
    PrintRuns runs;
    if (!blackOnWhite) {
        for (size_t x = 0; x < pixels.size(); ++x)
            pixels[x] = cells[x / size_t(m_columns)].background();
        runs.addRow(pixels, top, top + PrintLayout::RowHeight);
        runs.draw(painter, layout, colours);
    }
    for (int glyphRow = 0; glyphRow < PrintLayout::RowHeight; ++glyphRow) {
        for (size_t x = 0; x < pixels.size(); ++x) {
            const AnsiCanvas::Cell cell = cells[x / size_t(m_columns)];
            const bool shown = cell.foreground() != cell.background() &&
                               lit(m_face, cell.code, glyphRow, int(x % size_t(m_columns)));
            pixels[x] = shown ? cell.foreground() : -1;
        }
        runs.addRow(pixels, top + glyphRow, top + glyphRow + 1);
    }
    runs.draw(painter, layout, colours);
}
