#include "SvgWriter.h"

#include "ByteSink.h"

namespace {

QByteArray number(qint64 value)
{
    return QByteArray::number(value);
}

QByteArray glyphId(int code)
{
    return 'g' + QByteArray::number(code, 16);
}

QByteArray path(const std::vector<GlyphRects::Rect>& rects)
{
    QByteArray d;
    for (const GlyphRects::Rect& rect : rects) {
        d += 'M' + number(rect.x) + ' ' + number(rect.y) + 'h' + number(rect.width) + 'v' +
             number(rect.height) + "h-" + number(rect.width) + 'z';
    }
    return d;
}

} // namespace

SvgWriter::SvgWriter(const GlyphRects& glyphs, int scale) : m_glyphs(glyphs), m_scale(scale)
{
    for (int code = 0; code <= VgaFace::Missing; ++code)
        m_uses[size_t(code)] = "<use xlink:href=\"#" + glyphId(code) + "\" x=\"";
}

bool SvgWriter::write(CellRows& rows, QIODevice& device,
                      const std::function<bool(qint64 done)>& carryOn)
{
    m_colours.clear();
    for (const quint32 rgb : rows.palette())
        m_colours.push_back('#' + QByteArray::number(rgb | 0x1000000u, 16).mid(1).toUpper());
    ByteSink out(device);
    writeHead(out, rows);
    std::vector<CellRows::Cell> cells;
    qint64 done = 0;
    while (rows.next(cells)) {
        out.write(row(cells, done * VgaFace::Height));
        if (!carryOn(++done) || !out.ok())
            return false;
    }
    out.write(QByteArray("</g>\n</svg>\n"));
    return out.flush();
}

void SvgWriter::writeHead(ByteSink& out, CellRows& rows)
{
    const CellRows::Codes used = rows.usedCodes();
    const qint64 width = rows.columns() * m_glyphs.cellWidth();
    const qint64 height = rows.rows() * VgaFace::Height;
    out.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<svg xmlns=\"http://www.w3.org/2000/svg\" "
              "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"" +
              number(width * m_scale) + "\" height=\"" + number(height * m_scale) +
              "\" viewBox=\"0 0 " + number(width) + ' ' + number(height) +
              "\" shape-rendering=\"crispEdges\">\n<defs>\n");
    for (int code = 0; code <= VgaFace::Missing; ++code) {
        if (used.test(size_t(code)) && !m_glyphs.blank(code))
            out.write("<path id=\"" + glyphId(code) + "\" d=\"" + path(m_glyphs.rects(code)) +
                      "\"/>\n");
    }
    out.write("</defs>\n<rect width=\"" + number(width) + "\" height=\"" + number(height) +
              "\" fill=\"" + m_colours[0] + "\"/>\n<g fill=\"" + m_colours[1] + "\">\n");
}

QByteArray SvgWriter::row(const std::vector<CellRows::Cell>& cells, qint64 y) const
{
    const int cellWidth = m_glyphs.cellWidth();
    QByteArray shapes;
    for (size_t x = 0; x < cells.size();) {
        const uchar background = cells[x].background;
        const size_t start = x;
        while (x < cells.size() && cells[x].background == background)
            ++x;
        if (background != 0)
            shapes += "<rect x=\"" + number(qint64(start) * cellWidth) + "\" width=\"" +
                      number(qint64(x - start) * cellWidth) + "\" height=\"16\" fill=\"" +
                      m_colours[background] + "\"/>";
    }
    // Cells are grouped by their colour; the whole picture's group is in colour 1.
    int colour = 1;
    for (size_t x = 0; x < cells.size(); ++x) {
        const CellRows::Cell cell = cells[x];
        if (m_glyphs.blank(cell.code))
            continue;
        if (cell.foreground != colour) {
            if (colour != 1)
                shapes += "</g>";
            if (cell.foreground != 1)
                shapes += "<g fill=\"" + m_colours[cell.foreground] + "\">";
            colour = cell.foreground;
        }
        shapes += m_uses[cell.code];
        shapes += number(qint64(x) * cellWidth);
        shapes += "\"/>";
    }
    if (colour != 1)
        shapes += "</g>";
    if (shapes.isEmpty())
        return QByteArray();
    return "<g transform=\"translate(0 " + number(y) + ")\">" + shapes + "</g>\n";
}
