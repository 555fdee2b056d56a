#include "PdfWriter.h"

#include "ByteSink.h"
#include "documents/Cp437.h"

namespace {

constexpr int kCatalog = 1;
constexpr int kPages = 2;
constexpr int kResources = 3;
constexpr int kFont = 4;
constexpr int kMissingFont = 5;
constexpr int kToUnicode = 6;
constexpr int kMissingToUnicode = 7;
constexpr int kFirstFree = 8;
// Rectangles end a hair short of their right and lower edges: rasterisers such as poppler's
// fill every pixel a shape touches, and a rectangle that ended on the pixel boundary would
// spill into the pixels right of it and below it. (The hair is 1/100 of a pixel: nothing
// that shows.)
const char* const kInset = ".01";
const char* const kShortened = ".98";
// A ToUnicode map holds at most this many entries in one block.
constexpr int kCMapBlock = 100;

QByteArray number(qint64 value)
{
    return QByteArray::number(value);
}

// A colour part 0-255 as a fraction with enough digits to come back as the same byte.
QByteArray fraction(quint32 part)
{
    QByteArray text = QByteArray::number(double(part) / 255.0, 'f', 4);
    while (text.endsWith('0'))
        text.chop(1);
    if (text.endsWith('.'))
        text.chop(1);
    return text;
}

QByteArray fillColour(quint32 rgb)
{
    return fraction((rgb >> 16) & 0xFF) + ' ' + fraction((rgb >> 8) & 0xFF) + ' ' +
           fraction(rgb & 0xFF) + " rg\n";
}

QByteArray hex(uint value, int digits)
{
    return QByteArray::number(value, 16).toUpper().rightJustified(digits, '0');
}

QByteArray glyphName(int code)
{
    return "/g" + hex(uint(code), 2);
}

// A code's byte in a string of text.
void appendCode(QByteArray& text, uchar code)
{
    switch (code) {
    case '(':
    case ')':
    case '\\':
        text += '\\';
        text += char(code);
        return;
    case '\n':
        text += "\\n";
        return;
    case '\r':
        text += "\\r";
        return;
    default:
        text += char(code);
    }
}

} // namespace

PdfWriter::PdfWriter(const GlyphRects& glyphs, int scale) : m_glyphs(glyphs), m_scale(scale)
{
    m_fontSize = number(qint64(VgaFace::Height) * scale);
}

void PdfWriter::object(ByteSink& out, int number, const QByteArray& body)
{
    if (size_t(number) >= m_offsets.size())
        m_offsets.resize(size_t(number) + 1, 0);
    m_offsets[size_t(number)] = out.offset();
    out.write(QByteArray::number(number) + " 0 obj\n" + body + "\nendobj\n");
}

PdfWriter::Outcome PdfWriter::write(CellRows& rows, QIODevice& device,
                                    const std::function<bool(qint64 done)>& carryOn)
{
    m_width = rows.columns() * m_glyphs.cellWidth() * m_scale;
    if (m_width > MaxPageSide)
        return Outcome::TooWide;
    m_colours.clear();
    for (const quint32 rgb : rows.palette())
        m_colours.push_back(fillColour(rgb));
    ByteSink out(device);
    out.write(QByteArray("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n"));
    m_offsets.assign(kFirstFree, 0);
    m_pages.clear();
    writeFonts(out, rows.usedCodes());
    const qint64 rowsPerPage = MaxPageSide / (qint64(VgaFace::Height) * m_scale);
    qint64 done = 0;
    while (done < rows.rows()) {
        if (!writePage(out, rows, qMin(rowsPerPage, rows.rows() - done), carryOn, done))
            return Outcome::Stopped;
        if (!out.ok())
            return Outcome::Failed;
    }
    writeTrailer(out);
    return out.flush() ? Outcome::Written : Outcome::Failed;
}

void PdfWriter::writeFonts(ByteSink& out, const CellRows::Codes& used)
{
    std::vector<int> codes;
    for (int code = 0; code < VgaFace::Missing; ++code) {
        if (used.test(size_t(code)))
            codes.push_back(code);
    }
    QByteArray fonts = "<< /Font << /F1 " + number(kFont) + " 0 R";
    if (used.test(VgaFace::Missing))
        fonts += " /F2 " + number(kMissingFont) + " 0 R";
    object(out, kResources, fonts + " >> >>");
    const int firstProc = kFirstFree;
    writeFont(out, kFont, codes, firstProc, kToUnicode, false);
    if (used.test(VgaFace::Missing))
        writeFont(out, kMissingFont, {0}, firstProc + int(codes.size()), kMissingToUnicode, true);
}

void PdfWriter::writeFont(ByteSink& out, int fontNumber, const std::vector<int>& codes,
                          int firstProc, int toUnicode, bool missingFont)
{
    QByteArray procs;
    QByteArray differences;
    QByteArray widths;
    const int first = codes.empty() ? 32 : codes.front();
    const int last = codes.empty() ? 32 : codes.back();
    for (int code = first; code <= last; ++code)
        widths += ' ' + number(m_glyphs.cellWidth());
    int proc = firstProc;
    for (const int code : codes) {
        procs += glyphName(code) + ' ' + number(proc) + " 0 R ";
        differences += number(code) + ' ' + glyphName(code) + ' ';
        const QByteArray drawing = charProc(missingFont ? int(VgaFace::Missing) : code);
        object(out, proc++,
               "<< /Length " + number(drawing.size()) + " >>\nstream\n" + drawing + "\nendstream");
    }
    const QByteArray cmap = toUnicodeMap(codes, missingFont);
    object(out, toUnicode,
           "<< /Length " + number(cmap.size()) + " >>\nstream\n" + cmap + "\nendstream");
    // The glyphs' space is the face's pixels: 16 of them are the font's size.
    object(out, fontNumber,
           "<< /Type /Font /Subtype /Type3 /FontBBox [0 0 " + number(m_glyphs.cellWidth()) +
               " 16] /FontMatrix [0.0625 0 0 0.0625 0 0]\n/CharProcs << " + procs +
               ">>\n/Encoding << /Type /Encoding /Differences [" + differences +
               "] >>\n/FirstChar " + number(first) + " /LastChar " + number(last) + " /Widths [" +
               widths + " ]\n/ToUnicode " + number(toUnicode) + " 0 R /Resources << >> >>");
}

QByteArray PdfWriter::charProc(int code) const
{
    const std::vector<GlyphRects::Rect>& rects = m_glyphs.rects(code);
    const QByteArray width = number(m_glyphs.cellWidth());
    if (rects.empty())
        return width + " 0 0 0 0 0 d1";
    QByteArray drawing = width + " 0 0 0 " + width + " 16 d1\n";
    for (const GlyphRects::Rect& rect : rects) {
        drawing += number(rect.x) + kInset + ' ' + number(VgaFace::Height - rect.y - rect.height) +
                   kInset + ' ' + number(rect.width - 1) + kShortened + ' ' +
                   number(rect.height - 1) + kShortened + " re\n";
    }
    return drawing + 'f';
}

QByteArray PdfWriter::toUnicodeMap(const std::vector<int>& codes, bool missingFont)
{
    QByteArray map = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                     "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                     "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                     "1 begincodespacerange\n<00> <FF>\nendcodespacerange\n";
    for (size_t start = 0; start < codes.size(); start += kCMapBlock) {
        const size_t end = qMin(codes.size(), start + kCMapBlock);
        map += number(qint64(end - start)) + " beginbfchar\n";
        for (size_t i = start; i < end; ++i) {
            const int code = codes[i];
            // A NUL cell shows blank, as a space; a glyph for a character code page 437
            // lacks copies as the replacement character.
            const uint character = missingFont ? 0xFFFDu
                                   : code == 0 ? 0x20u
                                               : Cp437::toUnicode(uchar(code)).unicode();
            map += '<' + hex(uint(code), 2) + "> <" + hex(character, 4) + ">\n";
        }
        map += "endbfchar\n";
    }
    return map + "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend";
}

bool PdfWriter::writePage(ByteSink& out, CellRows& rows, qint64 pageRows,
                          const std::function<bool(qint64 done)>& carryOn, qint64& done)
{
    const qint64 height = pageRows * VgaFace::Height * m_scale;
    const int page = int(m_offsets.size());
    m_pages.push_back(page);
    object(out, page,
           "<< /Type /Page /Parent " + number(kPages) + " 0 R /MediaBox [0 0 " + number(m_width) +
               ' ' + number(height) + "] /Resources " + number(kResources) + " 0 R /Contents " +
               number(page + 1) + " 0 R >>");
    m_offsets.resize(size_t(page) + 3, 0);
    m_offsets[size_t(page) + 1] = out.offset();
    out.write(number(page + 1) + " 0 obj\n<< /Length " + number(page + 2) +
              " 0 R /Filter /FlateDecode >>\nstream\n");
    out.startDeflate();
    if (!drawRows(out, rows, pageRows, carryOn, done)) {
        out.finishDeflate();
        return false;
    }
    const qint64 length = out.finishDeflate();
    out.write("\nendstream\nendobj\n");
    object(out, page + 2, number(length));
    return true;
}

bool PdfWriter::drawRows(ByteSink& out, CellRows& rows, qint64 pageRows,
                         const std::function<bool(qint64 done)>& carryOn, qint64& done)
{
    // The page's background, then each row's background runs and text.
    const qint64 rowHeight = qint64(VgaFace::Height) * m_scale;
    const qint64 height = pageRows * rowHeight;
    out.write(m_colours[0] + "0 0 " + number(m_width) + ' ' + number(height) + " re f\n");
    int colour = 0;
    bool missingFont = false;
    QByteArray font = "/F1 " + m_fontSize + " Tf ";
    std::vector<CellRows::Cell> cells;
    for (qint64 row = 0; row < pageRows && rows.next(cells); ++row) {
        const qint64 y = height - (row + 1) * rowHeight;
        const QByteArray background = rowBackground(cells, y);
        if (!background.isEmpty()) {
            out.write(background);
            colour = -1;
        }
        const QByteArray text = rowText(cells, colour, missingFont);
        if (!text.isEmpty()) {
            out.write("BT " + font + "0 " + number(y) + " Td " + text + " ET\n");
            font.clear(); // the font stays set for the rest of the page
        }
        if (!carryOn(++done))
            return false;
    }
    return true;
}

QByteArray PdfWriter::rowBackground(const std::vector<CellRows::Cell>& cells, qint64 y) const
{
    QByteArray drawing;
    const qint64 cellWidth = qint64(m_glyphs.cellWidth()) * m_scale;
    const QByteArray rowHeight = number(qint64(VgaFace::Height) * m_scale - 1);
    for (size_t x = 0; x < cells.size();) {
        const uchar background = cells[x].background;
        const size_t start = x;
        while (x < cells.size() && cells[x].background == background)
            ++x;
        if (background == 0)
            continue;
        drawing += m_colours[background] + number(qint64(start) * cellWidth) + ' ' + number(y) +
                   kInset + ' ' + number(qint64(x - start) * cellWidth - 1) + kShortened + ' ' +
                   rowHeight + kShortened + " re f\n";
    }
    return drawing;
}

QByteArray PdfWriter::rowText(const std::vector<CellRows::Cell>& cells, int& colour,
                              bool& missingFont)
{
    size_t end = cells.size();
    while (end > 0 && m_glyphs.blank(cells[end - 1].code))
        --end;
    QByteArray text;
    bool open = false;
    for (size_t x = 0; x < end; ++x) {
        const CellRows::Cell cell = cells[x];
        const bool missing = cell.code == VgaFace::Missing;
        const bool recolour = cell.foreground != colour && !m_glyphs.blank(cell.code);
        if (missing != missingFont || recolour) {
            if (open)
                text += ")Tj ";
            open = false;
            if (recolour) {
                text += m_colours[cell.foreground];
                colour = cell.foreground;
            }
            if (missing != missingFont)
                text += (missing ? "/F2 " : "/F1 ") + m_fontSize + " Tf ";
            missingFont = missing;
        }
        if (!open)
            text += '(';
        open = true;
        appendCode(text, missing ? 0 : uchar(cell.code));
    }
    if (open)
        text += ")Tj";
    return text;
}

void PdfWriter::writeTrailer(ByteSink& out)
{
    QByteArray kids;
    for (const int page : m_pages)
        kids += number(page) + " 0 R ";
    object(out, kPages,
           "<< /Type /Pages /Kids [" + kids + "] /Count " + number(qint64(m_pages.size())) + " >>");
    object(out, kCatalog, "<< /Type /Catalog /Pages " + number(kPages) + " 0 R >>");
    const qint64 xref = out.offset();
    out.write("xref\n0 " + number(qint64(m_offsets.size())) + "\n0000000000 65535 f \n");
    for (size_t i = 1; i < m_offsets.size(); ++i) {
        // Numbers that were never used are free entries.
        out.write(m_offsets[i] == 0 ? QByteArray("0000000000 65535 f \n")
                                    : number(m_offsets[i]).rightJustified(10, '0') + " 00000 n \n");
    }
    out.write("trailer\n<< /Size " + number(qint64(m_offsets.size())) + " /Root " +
              number(kCatalog) + " 0 R >>\nstartxref\n" + number(xref) + "\n%%EOF\n");
}
