#include "FuzzInput.h"
#include "ansi/AnsiInterpreter.h"
#include "documents/DocumentCodec.h"
#include "documents/DocumentFormat.h"
#include "export/DocumentExport.h"
#include "export/TextPicture.h"
#include "export/VgaFace.h"

#include <QImage>
#include <QRegularExpression>

// The exports of any document, plain or ANSI: the PNG decodes to the picture's size, the
// picture at scale 2 is the one at scale 1 with every pixel doubled, and the web page's text,
// its tags taken out and its references read back, is the document's text.
namespace {

std::optional<VgaFace> face;

QImage picture(DocumentExport& exporter, const QString* display, const AnsiCanvas* canvas,
               int columns, int scale)
{
    DocumentExport::Options options;
    options.columns = columns;
    options.scale = scale;
    const DocumentExport::Result result =
        display ? exporter.render(*display, options) : exporter.render(*canvas, options);
    require(result.error.isEmpty(), "the picture is made");
    return QImage::fromData(result.bytes, "PNG").convertToFormat(QImage::Format_RGB32);
}

void checkScale(const QImage& one, const QImage& two)
{
    require(two.size() == one.size() * 2, "scale 2 is twice the size");
    require(one.scaled(two.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation) == two,
            "scale 2 is scale 1 with every pixel doubled");
}

// The text inside <pre>, without tags, with its character references read back.
QString pageText(const QByteArray& page)
{
    QString text = QString::fromUtf8(page);
    const qsizetype start = text.indexOf(QLatin1String("<pre>\n")) + 6;
    text = text.mid(start, text.lastIndexOf(QLatin1String("</pre>")) - start);
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&#39;"), QLatin1String("'"));
    return text.replace(QLatin1String("&amp;"), QLatin1String("&"));
}

QString withoutTrailingBlanks(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
    }
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines.join(QLatin1Char('\n'));
}

void checkPlain(DocumentExport& exporter, const QString& display, int columns)
{
    DocumentExport::Options options;
    options.format = DocumentExport::Format::Html;
    QString expected;
    for (const QChar ch : display)
        expected.append(DocumentCodec::isLineBreak(ch) ? QChar(u'\n')
                        : ch.unicode() == 0            ? QChar(u' ')
                                                       : ch);
    require(pageText(exporter.render(display, options).bytes) == expected,
            "the page's text is the document's");
    if (!face)
        return;
    const QImage one = picture(exporter, &display, nullptr, columns, 1);
    const TextPicture sized(*face, display, columns, 1);
    require(one.width() == sized.width() && one.height() == sized.height(),
            "the PNG has the picture's size");
    checkScale(one, picture(exporter, &display, nullptr, columns, 2));
}

void checkAnsi(DocumentExport& exporter, const AnsiCanvas& canvas, int columns)
{
    DocumentExport::Options options;
    options.format = DocumentExport::Format::Html;
    require(withoutTrailingBlanks(pageText(exporter.render(canvas, options).bytes)) ==
                withoutTrailingBlanks(canvas.text()),
            "the page's text is the art's");
    if (!face)
        return;
    const QImage one = picture(exporter, nullptr, &canvas, columns, 1);
    require(one.width() == canvas.width() * columns &&
                one.height() == qMax(canvas.rows(), 1) * VgaFace::Height,
            "the PNG has the art's size");
    checkScale(one, picture(exporter, nullptr, &canvas, columns, 2));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    face = VgaFace::load(VgaFace::locate());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The first byte chooses the cells and the art's width; pictures stay small.
    if (size < 1 || size > 2048)
        return 0;
    const int columns = data[0] % 2 == 0 ? 8 : 9;
    const QByteArray bytes = fuzzBytes(data + 1, size - 1);
    DocumentExport exporter(VgaFace::locate());
    checkPlain(exporter, DocumentFormat::open(bytes).display, columns);
    AnsiArt::Settings settings;
    settings.width = 1 + data[0] % 100;
    const AnsiCanvas canvas = AnsiInterpreter::interpret(bytes, settings);
    if (canvas.rows() <= 64)
        checkAnsi(exporter, canvas, columns);
    return 0;
}
