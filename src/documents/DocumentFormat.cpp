#include "DocumentFormat.h"

#include "DocumentCodec.h"
#include "SauceRecord.h"

namespace {

bool hasNonAscii(const QByteArray& bytes)
{
    for (const char c : bytes) {
        if (static_cast<uchar>(c) >= 0x80)
            return true;
    }
    return false;
}

} // namespace

DocumentFormat::Opened DocumentFormat::open(const QByteArray& fileBytes)
{
    const qsizetype trailer = SauceRecord::trailerLength(fileBytes);
    Opened opened = openText(trailer > 0 ? fileBytes.left(fileBytes.size() - trailer) : fileBytes);
    opened.trailer = fileBytes.right(trailer);
    return opened;
}

DocumentFormat::Opened DocumentFormat::openText(const QByteArray& text)
{
    for (const TextEncoding::Kind kind :
         {TextEncoding::Utf16Le, TextEncoding::Utf16Be, TextEncoding::Utf8}) {
        const QByteArray mark = TextEncoding::byteOrderMark(kind);
        if (!text.startsWith(mark))
            continue;
        if (auto display = DocumentCodec::decode(text.mid(mark.size()), kind))
            return {{kind, true}, std::move(*display), {}};
    }
    // Art in code page 437 nearly always breaks UTF-8 within its first line, so this costs
    // little for the files that are not UTF-8.
    if (hasNonAscii(text)) {
        if (auto display = DocumentCodec::decode(text, TextEncoding::Utf8))
            return {{TextEncoding::Utf8, false}, std::move(*display), {}};
    }
    return {{TextEncoding::Cp437, false}, DocumentCodec::toDisplay(text), {}};
}

std::optional<DocumentFormat::Opened> DocumentFormat::reinterpret(const QByteArray& fileBytes,
                                                                  TextEncoding::Kind kind)
{
    const qsizetype trailer = SauceRecord::trailerLength(fileBytes);
    const QByteArray text = fileBytes.left(fileBytes.size() - trailer);
    const QByteArray mark = TextEncoding::byteOrderMark(kind);
    const bool marked = !mark.isEmpty() && text.startsWith(mark);
    auto display = DocumentCodec::decode(marked ? text.mid(mark.size()) : text, kind);
    if (!display)
        return std::nullopt;
    return Opened{{kind, marked}, std::move(*display), fileBytes.right(trailer)};
}

QByteArray DocumentFormat::save(const QString& display, const FileEncoding& encoding,
                                const QByteArray& trailer)
{
    QByteArray bytes = DocumentCodec::encode(display, encoding.kind);
    if (encoding.byteOrderMark)
        bytes.prepend(TextEncoding::byteOrderMark(encoding.kind));
    return bytes + trailer;
}
