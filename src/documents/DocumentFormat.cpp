#include "DocumentFormat.h"

#include "DocumentCodec.h"

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
    for (const TextEncoding::Kind kind :
         {TextEncoding::Utf16Le, TextEncoding::Utf16Be, TextEncoding::Utf8}) {
        const QByteArray mark = TextEncoding::byteOrderMark(kind);
        if (!fileBytes.startsWith(mark))
            continue;
        if (auto display = DocumentCodec::decode(fileBytes.mid(mark.size()), kind))
            return {{kind, true}, std::move(*display)};
    }
    // Art in code page 437 nearly always breaks UTF-8 within its first line, so this costs
    // little for the files that are not UTF-8.
    if (hasNonAscii(fileBytes)) {
        if (auto display = DocumentCodec::decode(fileBytes, TextEncoding::Utf8))
            return {{TextEncoding::Utf8, false}, std::move(*display)};
    }
    return {{TextEncoding::Cp437, false}, DocumentCodec::toDisplay(fileBytes)};
}

std::optional<DocumentFormat::Opened> DocumentFormat::reinterpret(const QByteArray& fileBytes,
                                                                  TextEncoding::Kind kind)
{
    const QByteArray mark = TextEncoding::byteOrderMark(kind);
    const bool marked = !mark.isEmpty() && fileBytes.startsWith(mark);
    auto display = DocumentCodec::decode(marked ? fileBytes.mid(mark.size()) : fileBytes, kind);
    if (!display)
        return std::nullopt;
    return Opened{{kind, marked}, std::move(*display)};
}

QByteArray DocumentFormat::save(const QString& display, const FileEncoding& encoding)
{
    const QByteArray body = DocumentCodec::encode(display, encoding.kind);
    return encoding.byteOrderMark ? TextEncoding::byteOrderMark(encoding.kind) + body : body;
}
