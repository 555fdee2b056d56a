#pragma once

#include "export/PrintLayout.h"

#include <QColor>
#include <QCoreApplication>
#include <functional>
#include <vector>

class AnsiCanvas;
class QPagedPaintDevice;
class QPainter;
class VgaFace;

// Prints a document, a printer's or a print preview's pages, as the VGA face draws it: the
// glyphs' pixels as filled rectangles (PrintRuns), so that the art stays crisp at any
// printer's resolution. The pages follow PrintLayout. A text document prints in
// its text and background colours, ANSI art in its own; black on white prints only the glyphs,
// in black, on the white paper.
class PrintPainter
{
    Q_DECLARE_TR_FUNCTIONS(PrintPainter)

public:
    // A text document's display text in its colours. `columns` is the cell width, 8 or 9.
    PrintPainter(const VgaFace& face, const QString& display, int columns, const QColor& text,
                 const QColor& background);
    // ANSI art in its colours.
    PrintPainter(const VgaFace& face, const AnsiCanvas& canvas, int columns);

    // Asked before each page after the first, with the page's index and the count of pages:
    // false stops the print there.
    using NextPage = std::function<bool(qint64 page, qint64 pages)>;

    // Paints every page onto `device`: "" when done, else why not, as a sentence.
    QString paint(QPagedPaintDevice& device, bool blackOnWhite, const NextPage& next = {}) const;

private:
    // A pixel row's colours, one a font pixel: an index into the colours, or -1 for none.
    using PixelRow = std::vector<int>;

    void paintText(QPainter& painter, QPagedPaintDevice& device, bool blackOnWhite,
                   const NextPage& next) const;
    void paintArt(QPainter& painter, QPagedPaintDevice& device, bool blackOnWhite,
                  const NextPage& next) const;
    void paintArtLine(QPainter& painter, const PrintLayout& layout, int y, bool blackOnWhite) const;
    // Whether any page was begun, whether the page of the line at hand is one the user
    // chose to print, and whether the print was stopped.
    struct PageRun
    {
        const NextPage& next;
        bool started = false;
        bool chosen = true;
        bool stopped = false;
    };

    // Goes on to a new page when the line starts one that is printed: false when the line's
    // page is not among the chosen pages, so that the line is left out.
    static bool startLine(QPagedPaintDevice& device, const PrintLayout& layout, qint64 line,
                          PageRun& run);
    // Fills the font pixels from (left, top) to (right, bottom).
    static void fillRect(QPainter& painter, const PrintLayout& layout, qint64 left, qint64 right,
                         qint64 top, qint64 bottom, const QColor& colour);

    const VgaFace& m_face;
    QString m_display;
    const AnsiCanvas* m_canvas = nullptr;
    int m_columns;
    QColor m_text;
    QColor m_background;
};
