#include "DocumentExport.h"

#include "HtmlPage.h"
#include "PngWriter.h"
#include "TextPicture.h"
#include "documents/DocumentCodec.h"

namespace {

const QString kNoFace = QStringLiteral(
    "The VGA font Px IBM VGA8 (Debian package fonts-pc) was not found, so no picture was made.");
const QString kTooLarge =
    QStringLiteral("The document is too large for a PNG picture, so no picture was made.");

} // namespace

DocumentExport::DocumentExport(QString facePath) : m_facePath(std::move(facePath)) {}

QString DocumentExport::suffix(Format format)
{
    switch (format) {
    case Format::Png:
        return QStringLiteral("png");
    case Format::Html:
        return QStringLiteral("html");
    case Format::Text:
        break;
    }
    return QStringLiteral("txt");
}

std::optional<DocumentExport::Format> DocumentExport::formatNamed(const QString& name)
{
    for (const Format format : {Format::Png, Format::Html, Format::Text}) {
        if (name.compare(suffix(format), Qt::CaseInsensitive) == 0)
            return format;
    }
    return std::nullopt;
}

DocumentExport::Result DocumentExport::render(const QString& display, const Options& options)
{
    switch (options.format) {
    case Format::Png:
        return picture(display, options);
    case Format::Html:
        return {HtmlPage::write(display, options.title, options.text, options.background), {}};
    case Format::Text:
        break;
    }
    return {DocumentCodec::toForeignText(display).toUtf8(), {}};
}

DocumentExport::Result DocumentExport::picture(const QString& display, const Options& options)
{
    if (!m_faceRead) {
        m_face = VgaFace::load(m_facePath);
        m_faceRead = true;
    }
    if (!m_face)
        return {{}, kNoFace};
    const int columns = options.columns == 9 ? 9 : 8;
    const int scale = qBound(1, options.scale, MaxScale);
    const TextPicture picture(*m_face, display, columns, scale);
    if (picture.width() > PngWriter::MaxSide || picture.height() > PngWriter::MaxSide)
        return {{}, kTooLarge};
    PngWriter png(picture.width(), picture.height(), options.background, options.text);
    picture.render([&png](const uchar* row) { png.writeRow(row); });
    QByteArray bytes = png.finish();
    if (bytes.isEmpty())
        return {{}, kTooLarge};
    return {std::move(bytes), {}};
}
