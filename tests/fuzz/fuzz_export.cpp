#include "FuzzInput.h"
#include "ansi/AnsiInterpreter.h"
#include "documents/DocumentCodec.h"
#include "documents/DocumentFormat.h"
#include "export/DocumentExport.h"
#include "export/VgaFace.h"

#include <QImage>
#include <QRegularExpression>

// The exports of any document, plain or ANSI art: the PNG decodes to the size of its cells,
// the picture at scale 2 is the one at scale 1 with every pixel doubled, and the web page's
// text, its tags taken out and its references read back, is the document's text; the PDF and
// the SVG are written whole.
namespace {

bool hasFace = false;

template <typename Document>
QImage picture(DocumentExport& exporter, const Document& document, int columns, int scale)
{
    DocumentExport::Options options;
    options.columns = columns;
    options.scale = scale;
    const DocumentExport::Result result = exporter.render(document, options);
    require(result.error.isEmpty(), "the picture is made");
    return QImage::fromData(result.bytes, "PNG").convertToFormat(QImage::Format_RGB32);
}

template <typename Document>
void check(const Document& document, QSize cells, int columns, const QString& text)
{
    DocumentExport exporter(VgaFace::locate());
    DocumentExport::Options options;
    options.format = DocumentExport::Format::Html;
    QString page = QString::fromUtf8(exporter.render(document, options).bytes);
    const qsizetype start = page.indexOf(QLatin1String("<pre>\n")) + 6;
    page = page.mid(start, page.lastIndexOf(QLatin1String("</pre>")) - start);
    page.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    for (const char* entity : {"&lt;<", "&gt;>", "&quot;\"", "&#39;'", "&amp;&"}) {
        const QString pair = QString::fromLatin1(entity);
        page.replace(pair.chopped(1), pair.right(1));
    }
    // Blanks and empty lines at the ends are the page's own choice.
    const QRegularExpression blanks(QStringLiteral(" +(?=\n|$)"));
    const QRegularExpression lastLines(QStringLiteral("\n+$"));
    require(page.remove(blanks).remove(lastLines) == QString(text).remove(blanks).remove(lastLines),
            "the page's text is the document's");
    if (!hasFace)
        return;
    const QImage one = picture(exporter, document, columns, 1);
    require(one.size() == QSize(cells.width() * columns, cells.height() * VgaFace::Height),
            "the PNG has the size of its cells");
    const QImage two = picture(exporter, document, columns, 2);
    require(one.scaled(one.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation) == two,
            "scale 2 is scale 1 with every pixel doubled");
    for (const auto format : {DocumentExport::Format::Pdf, DocumentExport::Format::Svg}) {
        options.format = format;
        options.columns = columns;
        const QByteArray bytes = exporter.render(document, options).bytes;
        require(bytes.endsWith("%%EOF\n") || bytes.endsWith("</svg>\n"),
                "the PDF or SVG is written to its end");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    hasFace = VgaFace::load(VgaFace::locate()).has_value();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The first byte chooses the cells and the art's width; pictures stay small.
    if (size < 1 || size > 2048)
        return 0;
    const int columns = data[0] % 2 == 0 ? 8 : 9;
    const QByteArray bytes = fuzzBytes(data + 1, size - 1);
    const QString display = DocumentFormat::open(bytes).display;
    QString text;
    int lines = 1;
    int widest = 1;
    int width = 0;
    for (const QChar ch : display) {
        const bool lineEnd = DocumentCodec::isLineBreak(ch);
        text.append(lineEnd ? QChar(u'\n') : ch.unicode() == 0 ? QChar(u' ') : ch);
        lines += lineEnd ? 1 : 0;
        width = lineEnd ? 0 : width + (ch == QLatin1Char('\t') ? 8 - width % 8 : 1);
        widest = qMax(widest, width);
    }
    lines -= !display.isEmpty() && DocumentCodec::isLineBreak(display.back()) ? 1 : 0;
    // Surrogate pairs are one cell: the width is only checked without them.
    const bool pairs =
        display.contains(QRegularExpression(QStringLiteral("[\\x{D800}-\\x{DBFF}]")));
    if (!pairs)
        check(display, QSize(widest, qMax(lines, 1)), columns, text);
    AnsiArt::Settings settings;
    settings.width = 1 + data[0] % 100;
    const AnsiCanvas canvas = AnsiInterpreter::interpret(bytes, settings);
    if (canvas.rows() <= 64)
        check(canvas, QSize(canvas.width(), qMax(canvas.rows(), 1)), columns, canvas.text());
    return 0;
}
