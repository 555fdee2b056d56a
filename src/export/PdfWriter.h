#pragma once

#include "CellRows.h"
#include "GlyphRects.h"

#include <QByteArray>
#include <functional>
#include <vector>

class ByteSink;
class QIODevice;

// Cells written as a PDF document whose glyphs are the VGA face's pixels as vector shapes:
// a Type 3 font of the glyphs the cells use, each drawn as its rectangles of whole pixels in
// the fill colour, and a ToUnicode map from the code page 437 codes to their characters, so
// that the text can be selected, searched and copied. Each row of cells is one line of text.
//
// One page unit is one pixel of the PNG export at the same scale: a page is as large as that
// picture (rendered at 72 dots an inch it gives the picture pixel for pixel), so `scale`
// makes the page larger and the art with it. A page side may be at most MaxPageSide units:
// a taller document goes on several pages, cut between rows of cells; a wider one is refused.
// Rows are written as they are read, each page's content compressed as it goes, so memory
// does not grow with the document.
class PdfWriter
{
public:
    static constexpr int MaxPageSide = 14400;

    enum class Outcome
    {
        Written,
        Stopped,
        Failed,
        TooWide,
    };

    // `scale` is 1 to 4.
    PdfWriter(const GlyphRects& glyphs, int scale);

    // Writes all of `rows` into `device`; `carryOn` is called with the rows done after each
    // row, and the writing stops when it returns false.
    Outcome write(CellRows& rows, QIODevice& device,
                  const std::function<bool(qint64 done)>& carryOn);

private:
    void object(ByteSink& out, int number, const QByteArray& body);
    void writeFonts(ByteSink& out, const CellRows::Codes& used);
    void writeFont(ByteSink& out, int fontNumber, const std::vector<int>& codes, int firstProc,
                   int toUnicode, bool missingFont);
    QByteArray charProc(int code) const;
    static QByteArray toUnicodeMap(const std::vector<int>& codes, bool missingFont);
    bool writePage(ByteSink& out, CellRows& rows, qint64 pageRows,
                   const std::function<bool(qint64 done)>& carryOn, qint64& done);
    bool drawRows(ByteSink& out, CellRows& rows, qint64 pageRows,
                  const std::function<bool(qint64 done)>& carryOn, qint64& done);
    QByteArray rowText(const std::vector<CellRows::Cell>& cells, int& colour, bool& missingFont);
    QByteArray rowBackground(const std::vector<CellRows::Cell>& cells, qint64 y) const;
    void writeTrailer(ByteSink& out);

    const GlyphRects& m_glyphs;
    int m_scale;
    qint64 m_width = 0;
    QByteArray m_fontSize;
    std::vector<QByteArray> m_colours; // each palette colour as the fill colour operator
    std::vector<qint64> m_offsets;     // of each object by number, 0 for none yet
    std::vector<int> m_pages;
};
