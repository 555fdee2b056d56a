#include "DocumentExport.h"

#include "AnsiPage.h"
#include "AnsiPicture.h"
#include "CellRows.h"
#include "GlyphRects.h"
#include "HtmlPage.h"
#include "PdfWriter.h"
#include "PngWriter.h"
#include "SvgWriter.h"
#include "TextPicture.h"
#include "ansi/VgaColours.h"
#include "documents/DocumentCodec.h"

#include <QBuffer>
#include <QCoreApplication>

namespace {

// Progress is reported about this often, in rows of pixels, or of cells for the vector forms.
constexpr qint64 kReportEvery = 4096;
constexpr qint64 kReportEveryCells = 256;

QString noFace()
{
    return QCoreApplication::translate(
        "DocumentExport",
        "The VGA font Px IBM VGA8 (Debian package fonts-pc) was not found, so no picture "
        "was made.");
}

QString tooLarge()
{
    return QCoreApplication::translate("DocumentExport",
                                       "The picture would be wider than %1 or taller than %2 "
                                       "pixels, so no picture was made.")
        .arg(PngWriter::MaxWidth)
        .arg(PngWriter::MaxHeight);
}

QString tooWide()
{
    return QCoreApplication::translate("DocumentExport",
                                       "The page would be wider than %1 points, the most a PDF "
                                       "page may be, so no PDF document was made. A smaller "
                                       "scale or 8-pixel cells may fit.")
        .arg(PdfWriter::MaxPageSide);
}

QString notWritten()
{
    return QCoreApplication::translate("DocumentExport",
                                       "The picture could not be written, so no picture was made.");
}

QString writeAll(QIODevice& sink, const QByteArray& bytes)
{
    return sink.write(bytes) == bytes.size() ? QString() : notWritten();
}

QList<quint32> vgaPalette()
{
    QList<quint32> palette;
    for (int colour = 0; colour < VgaColours::Count; ++colour)
        palette.append(VgaColours::rgb(colour));
    return palette;
}

} // namespace

DocumentExport::DocumentExport(QString facePath) : m_facePath(std::move(facePath)) {}

QString DocumentExport::suffix(Format format)
{
    switch (format) {
    case Format::Png:
        return QStringLiteral("png");
    case Format::Html:
        return QStringLiteral("html");
    case Format::Pdf:
        return QStringLiteral("pdf");
    case Format::Svg:
        return QStringLiteral("svg");
    case Format::Text:
        break;
    }
    return QStringLiteral("txt");
}

std::optional<DocumentExport::Format> DocumentExport::formatNamed(const QString& name)
{
    for (const Format format :
         {Format::Png, Format::Html, Format::Text, Format::Pdf, Format::Svg}) {
        if (name.compare(suffix(format), Qt::CaseInsensitive) == 0)
            return format;
    }
    return std::nullopt;
}

QString DocumentExport::cancelled()
{
    return QCoreApplication::translate("DocumentExport",
                                       "The export was cancelled, so nothing was written.");
}

const VgaFace* DocumentExport::face()
{
    if (!m_faceRead) {
        m_face = VgaFace::load(m_facePath);
        m_faceRead = true;
    }
    return m_face ? &*m_face : nullptr;
}

template <typename Picture>
QString DocumentExport::stream(const Picture& picture, int depth, const QList<quint32>& palette,
                               QIODevice& sink, const Progress& progress)
{
    const qint64 total = picture.height();
    if (!PngWriter::fits(picture.width(), total))
        return tooLarge();
    PngWriter png(sink, picture.width(), total, depth, palette, picture.cellWidth(),
                  VgaFace::Height * picture.scale());
    qint64 done = 0;
    bool stopped = false;
    picture.render([&](const uchar* row) {
        png.writeRow(row);
        if (++done % kReportEvery != 0)
            return true;
        stopped = progress.cancel && progress.cancel->load(std::memory_order_relaxed);
        if (progress.report && !stopped)
            progress.report(done, total);
        return !stopped;
    });
    if (stopped)
        return cancelled();
    if (!png.finish())
        return notWritten();
    if (progress.report)
        progress.report(total, total);
    return QString();
}

QString DocumentExport::writeVector(CellRows& rows, const Options& options, QIODevice& sink,
                                    const Progress& progress)
{
    const VgaFace* vga = face();
    if (!vga)
        return noFace();
    const GlyphRects glyphs(*vga, options.columns);
    const int scale = qBound(1, options.scale, MaxScale);
    const qint64 total = rows.rows();
    bool stopped = false;
    const auto carryOn = [&](qint64 done) {
        stopped = progress.cancel && progress.cancel->load(std::memory_order_relaxed);
        if (progress.report && !stopped && done % kReportEveryCells == 0)
            progress.report(done, total);
        return !stopped;
    };
    if (options.format == Format::Pdf) {
        switch (PdfWriter(glyphs, scale).write(rows, sink, carryOn)) {
        case PdfWriter::Outcome::Written:
            break;
        case PdfWriter::Outcome::TooWide:
            return tooWide();
        case PdfWriter::Outcome::Stopped:
        case PdfWriter::Outcome::Failed:
            return stopped ? cancelled() : notWritten();
        }
    } else if (!SvgWriter(glyphs, scale).write(rows, sink, carryOn)) {
        return stopped ? cancelled() : notWritten();
    }
    if (progress.report)
        progress.report(total, total);
    return QString();
}

QString DocumentExport::write(const QString& display, const Options& options, QIODevice& sink,
                              const Progress& progress)
{
    switch (options.format) {
    case Format::Png:
        break;
    case Format::Html:
        return writeAll(sink,
                        HtmlPage::write(display, options.title, options.text, options.background));
    case Format::Text:
        return writeAll(sink, DocumentCodec::toForeignText(display).toUtf8());
    case Format::Pdf:
    case Format::Svg: {
        CellRows rows(display, options.text, options.background);
        return writeVector(rows, options, sink, progress);
    }
    }
    const VgaFace* vga = face();
    if (!vga)
        return noFace();
    const TextPicture picture(*vga, display, options.columns == 9 ? 9 : 8,
                              qBound(1, options.scale, MaxScale));
    return stream(picture, 1, {options.background, options.text}, sink, progress);
}

QString DocumentExport::write(const AnsiCanvas& canvas, const Options& options, QIODevice& sink,
                              const Progress& progress)
{
    switch (options.format) {
    case Format::Png:
        break;
    case Format::Html:
        return writeAll(sink, AnsiPage::write(canvas, options.title));
    case Format::Text:
        return writeAll(sink, canvas.text().toUtf8());
    case Format::Pdf:
    case Format::Svg: {
        CellRows rows(canvas);
        return writeVector(rows, options, sink, progress);
    }
    }
    const VgaFace* vga = face();
    if (!vga)
        return noFace();
    const AnsiPicture picture(*vga, canvas, options.columns == 9 ? 9 : 8,
                              qBound(1, options.scale, MaxScale));
    return stream(picture, AnsiPicture::Depth, vgaPalette(), sink, progress);
}

DocumentExport::Result DocumentExport::render(const QString& display, const Options& options)
{
    Result result;
    QBuffer buffer(&result.bytes);
    buffer.open(QIODevice::WriteOnly);
    result.error = write(display, options, buffer, Progress());
    if (!result.error.isEmpty())
        result.bytes.clear();
    return result;
}

DocumentExport::Result DocumentExport::render(const AnsiCanvas& canvas, const Options& options)
{
    Result result;
    QBuffer buffer(&result.bytes);
    buffer.open(QIODevice::WriteOnly);
    result.error = write(canvas, options, buffer, Progress());
    if (!result.error.isEmpty())
        result.bytes.clear();
    return result;
}
