#include "LineEnd.h"

namespace {

// The longest line end, CR x 32 LF; every kind is a part of it.
constexpr char kLongest[] = "\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\n";
constexpr char16_t kLongestText[] =
    u"\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\n";
constexpr qsizetype kLength = LineEnd::LongestCrRun + 1;
static_assert(sizeof(kLongest) == kLength + 1);

// Where a kind starts within the longest line end, and how long it is.
struct Span
{
    qsizetype from = 0;
    qsizetype size = 0;
};

Span spanOf(int kind)
{
    switch (kind) {
    case LineEnd::Lf:
        return {kLength - 1, 1};
    case LineEnd::Cr:
        return {0, 1};
    default:
        break;
    }
    if (kind < LineEnd::CrLf || kind >= LineEnd::Count)
        return {};
    const qsizetype crs = kind == LineEnd::CrLf ? 1 : kind - LineEnd::CrCrLf + 2;
    return {kLength - crs - 1, crs + 1};
}

} // namespace

QByteArrayView LineEnd::bytes(int kind)
{
    const Span span = spanOf(kind);
    return QByteArrayView(kLongest + span.from, span.size);
}

QStringView LineEnd::text(int kind)
{
    const Span span = spanOf(kind);
    return QStringView(kLongestText + span.from, span.size);
}

QByteArrayView LineEnd::bytesOf(QChar ch)
{
    const int kind = kindOf(ch);
    return kind < 0 ? QByteArrayView() : bytes(kind);
}

QStringView LineEnd::textOf(QChar ch)
{
    const int kind = kindOf(ch);
    return kind < 0 ? QStringView() : text(kind);
}
