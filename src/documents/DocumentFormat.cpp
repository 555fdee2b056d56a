#include "DocumentFormat.h"

#include "DocumentCodec.h"
#include "EncodingRules.h"
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
    for (const TextEncoding::Kind kind : {TextEncoding::Utf16Le, TextEncoding::Utf16Be}) {
        if (!text.startsWith(TextEncoding::byteOrderMark(kind)))
            continue;
        const QByteArray body = text.mid(2);
        auto display = DocumentCodec::decode(body, kind);
        if (display && EncodingRules::isPlausibleUtf16(*display, body))
            return repaired({kind, true}, body, std::move(*display));
    }
    const QByteArray utf8Mark = TextEncoding::byteOrderMark(TextEncoding::Utf8);
    if (text.startsWith(utf8Mark)) {
        const QByteArray body = text.mid(utf8Mark.size());
        if (auto display = DocumentCodec::decode(body, TextEncoding::Utf8))
            return repaired({TextEncoding::Utf8, true}, body, std::move(*display));
    }
    // Art in code page 437 nearly always breaks UTF-8 within its first line, and fails the
    // Windows-1252 rule at its first drawing code, so this costs little for the files that
    // are neither.
    if (hasNonAscii(text)) {
        if (auto display = DocumentCodec::decode(text, TextEncoding::Utf8))
            return repaired({TextEncoding::Utf8, false}, text, std::move(*display));
        if (EncodingRules::isWindows1252Text(text)) {
            if (auto display = DocumentCodec::decode(text, TextEncoding::Windows1252))
                return {{TextEncoding::Windows1252, false}, std::move(*display), {}};
        }
    }
    return {{TextEncoding::Cp437, false}, DocumentCodec::toDisplay(text), {}};
}

DocumentFormat::Opened DocumentFormat::repaired(const FileEncoding& plain, const QByteArray& body,
                                                QString display)
{
    if (const auto encoding = EncodingRules::misreadArt(display, plain)) {
        if (auto art = DocumentCodec::decode(body, *encoding))
            return {*encoding, std::move(*art), {}};
    }
    return {plain, std::move(display), {}};
}

std::optional<DocumentFormat::Opened> DocumentFormat::reinterpret(const QByteArray& fileBytes,
                                                                  TextEncoding::Kind kind)
{
    FileEncoding encoding;
    encoding.kind = kind;
    return reinterpret(fileBytes, encoding);
}

std::optional<DocumentFormat::Opened> DocumentFormat::reinterpret(const QByteArray& fileBytes,
                                                                  const FileEncoding& encoding)
{
    const qsizetype trailer = SauceRecord::trailerLength(fileBytes);
    const QByteArray text = fileBytes.left(fileBytes.size() - trailer);
    const QByteArray mark = TextEncoding::byteOrderMark(encoding.kind);
    FileEncoding read = encoding;
    read.byteOrderMark = !mark.isEmpty() && text.startsWith(mark);
    auto display = DocumentCodec::decode(read.byteOrderMark ? text.mid(mark.size()) : text, read);
    if (!display)
        return std::nullopt;
    return Opened{read, std::move(*display), fileBytes.right(trailer)};
}

QByteArray DocumentFormat::save(const QString& display, const FileEncoding& encoding,
                                const QByteArray& trailer)
{
    QByteArray bytes = DocumentCodec::encode(display, encoding);
    if (encoding.byteOrderMark)
        bytes.prepend(TextEncoding::byteOrderMark(encoding.kind));
    return bytes + trailer;
}
