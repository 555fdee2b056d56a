#include "DocumentCodec.h"

#include "Cp437.h"
#include "MisreadPage.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <cstring>

namespace {

constexpr char kCr = '\r';
constexpr char kLf = '\n';
constexpr char kTab = '\t';
constexpr char16_t kLineSep = LineEnd::LineSeparator;
constexpr char16_t kParaSep = LineEnd::ParagraphSeparator;
constexpr char16_t kLoneCr = LineEnd::character(LineEnd::Cr);

char16_t unitOf(char c)
{
    return static_cast<uchar>(c);
}

char16_t unitOf(QChar c)
{
    return c.unicode();
}

// At in[i] a CR: writes the line ends of the run of CRs that starts there (and the LF after it,
// if any) to `out`, moves `i` to the last character they take, and gives how many it wrote. A
// run before LF is one line end; one longer than LineEnd::LongestCrRun starts with lone CRs.
template <typename Ch> qsizetype putCrRun(const Ch* in, qsizetype& i, qsizetype n, QChar* out)
{
    qsizetype end = i + 1;
    while (end < n && unitOf(in[end]) == u'\r')
        ++end;
    qsizetype crs = end - i;
    const bool lf = end < n && unitOf(in[end]) == u'\n';
    i = lf ? end : end - 1;
    qsizetype length = 0;
    while (crs > (lf ? LineEnd::LongestCrRun : 0)) {
        out[length++] = QChar(kLoneCr);
        --crs;
    }
    if (lf)
        out[length++] = QChar(LineEnd::character(LineEnd::crRunKind(crs)));
    return length;
}

// The code page 437 code of a display character that is not a line end or a tab, or -1. The
// glyphs of TAB, LF and CR have none: those codes show as a tab and as line ends.
int cp437Code(QChar ch)
{
    const char16_t u = ch.unicode();
    if (u == 0x25CB || u == 0x25D9 || u == 0x266A)
        return -1;
    return Cp437::fromUnicode(ch);
}

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
bool isValidUtf8(const QByteArray& bytes)
{
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const uchar c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int more = 0;
        uchar low = 0x80;
        uchar high = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            low = c == 0xE0 ? 0xA0 : 0x80;
            high = c == 0xED ? 0x9F : 0xBF;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            low = c == 0xF0 ? 0x90 : 0x80;
            high = c == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (n - i <= more || p[i + 1] < low || p[i + 1] > high)
            return false;
        for (int k = 2; k <= more; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
        }
        i += more + 1;
    }
    return true;
}

// Valid UTF-8 as text. A byte-order mark at the start is a character like any other here (the
// file's own mark was taken off before), so that it comes back on saving; Qt would drop it.
QString utf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

std::optional<QString> utf16(const QByteArray& bytes, bool littleEndian)
{
    if (bytes.size() % 2 != 0)
        return std::nullopt;
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    QString text(bytes.size() / 2, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const uchar a = p[2 * i];
        const uchar b = p[2 * i + 1];
        out[i] = QChar(static_cast<char16_t>(littleEndian ? a | (b << 8) : (a << 8) | b));
    }
    return text;
}

std::optional<QString> windows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<uchar>(bytes.at(i));
        const char16_t u = MisreadPage::windows1252(c);
        if (u == 0 && c != 0) // one of the five codes Windows-1252 leaves undefined
            return std::nullopt;
        out[i] = QChar(u);
    }
    return text;
}

// Whether a decoded text has paired surrogates only and no character that stands for a line
// end here; only then does it come back from its display text unchanged.
bool isShowable(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch != QLatin1Char('\n') && LineEnd::isLineEnd(ch))
            return false;
        if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (ch.isSurrogate())
            return false;
    }
    return true;
}

// Decoded text with CR and LF characters, as its display text.
QString displayFromRaw(const QString& raw)
{
    const qsizetype n = raw.size();
    QString text(n, Qt::Uninitialized);
    QChar* out = text.data();
    const QChar* in = raw.constData();
    qsizetype length = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = in[i].unicode();
        if (u == u'\r') {
            length += putCrRun(in, i, n, out + length);
        } else if (u == u'\n') {
            out[length++] = QChar(kLineSep);
        } else {
            out[length++] = in[i];
        }
    }
    text.truncate(length);
    return text;
}

QString rawFromDisplay(const QString& display)
{
    QString raw;
    raw.reserve(display.size() + display.size() / 32 + 16);
    for (const QChar ch : display) {
        const QStringView end = LineEnd::textOf(ch);
        if (end.isEmpty())
            raw.append(ch);
        else
            raw.append(end);
    }
    return raw;
}

QByteArray utf16Bytes(const QString& raw, bool littleEndian)
{
    QByteArray bytes(raw.size() * 2, Qt::Uninitialized);
    char* out = bytes.data();
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const char16_t u = raw.at(i).unicode();
        const auto high = static_cast<char>(u >> 8);
        const auto low = static_cast<char>(u & 0xFF);
        out[2 * i] = littleEndian ? low : high;
        out[2 * i + 1] = littleEndian ? high : low;
    }
    return bytes;
}

QByteArray windows1252Bytes(const QString& raw)
{
    QByteArray bytes(raw.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const int code = MisreadPage::windows1252Code(raw.at(i).unicode());
        bytes[i] = code < 0 ? '?' : static_cast<char>(code);
    }
    return bytes;
}

// Bytes in a legacy code page of the platform's converter as text, when the text converts back
// to the same bytes: only then does a save keep the file.
std::optional<QString> platformText(const QByteArray& bytes, TextEncoding::Kind kind)
{
    QStringDecoder decoder(TextEncoding::converterName(kind), QStringConverter::Flag::Stateless);
    if (!decoder.isValid())
        return std::nullopt;
    QString raw = decoder.decode(bytes);
    QStringEncoder encoder(TextEncoding::converterName(kind), QStringConverter::Flag::Stateless);
    if (decoder.hasError() || encoder.encode(raw) != bytes)
        return std::nullopt;
    return raw;
}

QByteArray platformBytes(const QString& raw, TextEncoding::Kind kind)
{
    QStringEncoder encoder(TextEncoding::converterName(kind), QStringConverter::Flag::Stateless);
    return encoder.isValid() ? QByteArray(encoder.encode(raw)) : QByteArray();
}

// Decoded text with CR and LF characters, or nothing when the bytes do not decode without loss.
std::optional<QString> rawText(const QByteArray& bytes, TextEncoding::Kind kind)
{
    switch (kind) {
    case TextEncoding::Cp437: // shown through its glyphs, never as raw text
        return std::nullopt;
    case TextEncoding::Utf8:
        if (isValidUtf8(bytes))
            return utf8(bytes);
        return std::nullopt;
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be:
        return utf16(bytes, kind == TextEncoding::Utf16Le);
    case TextEncoding::Windows1252:
        return windows1252(bytes);
    default:
        return platformText(bytes, kind);
    }
}

QByteArray rawBytes(const QString& raw, TextEncoding::Kind kind)
{
    switch (kind) {
    case TextEncoding::Cp437: // never raw text, see above
        return DocumentCodec::fromForeignText(raw);
    case TextEncoding::Utf8:
        return raw.toUtf8();
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be:
        return utf16Bytes(raw, kind == TextEncoding::Utf16Le);
    case TextEncoding::Windows1252:
        return windows1252Bytes(raw);
    default:
        return platformBytes(raw, kind);
    }
}

// The text with each of its line ends as LF, which every encoding holds.
QString withLfLineEnds(QString text)
{
    for (QChar& ch : text) {
        if (LineEnd::isLineEnd(ch) || ch == QLatin1Char('\r'))
            ch = QLatin1Char('\n');
    }
    return text;
}

// Whether the encoding holds a character (one, or a surrogate pair) of foreign text; for a
// converter of the platform, any text.
bool holds(QStringView piece, TextEncoding::Kind kind)
{
    switch (kind) {
    case TextEncoding::Cp437:
        return cp437Code(piece.front()) >= 0;
    case TextEncoding::Utf8:
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be:
        return piece.size() == 2 || !piece.front().isSurrogate();
    case TextEncoding::Windows1252:
        return MisreadPage::windows1252Code(piece.front().unicode()) >= 0;
    default:
        break;
    }
    const QString text = piece.toString();
    return platformText(platformBytes(text, kind), kind) == text;
}

} // namespace

QString DocumentCodec::toDisplay(const QByteArray& codes)
{
    // Written straight into a buffer of the largest size it can need, then cut: a document of
    // megabytes decodes in one pass without growing a string character by character, with one
    // table look-up a code.
    char16_t shown[256];
    for (int code = 0; code < 256; ++code)
        shown[code] = Cp437::toUnicode(static_cast<uchar>(code)).unicode();
    shown[static_cast<uchar>(kTab)] = u'\t';
    const qsizetype n = codes.size();
    QString text(n, Qt::Uninitialized);
    QChar* out = text.data();
    const char* in = codes.constData();
    qsizetype length = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char c = in[i];
        if (c == kCr)
            length += putCrRun(in, i, n, out + length);
        else if (c == kLf)
            out[length++] = QChar(kLineSep);
        else
            out[length++] = QChar(shown[static_cast<uchar>(c)]);
    }
    text.truncate(length);
    return text;
}

QByteArray DocumentCodec::fromDisplay(const QString& display)
{
    // Every character gives one code, a line end the bytes it stands for; counted first, so
    // that a large document takes no more memory than it needs.
    qsizetype size = display.size();
    for (const QChar ch : display) {
        if (LineEnd::isLineEnd(ch))
            size += LineEnd::bytesOf(ch).size() - 1;
    }
    QByteArray codes(size, Qt::Uninitialized);
    char* out = codes.data();
    for (const QChar ch : display) {
        const char16_t u = ch.unicode();
        if (u < 0x7F && u >= 0x20) {
            *out++ = static_cast<char>(u);
        } else if (LineEnd::isLineEnd(u)) {
            const QByteArrayView end = LineEnd::bytesOf(ch);
            std::memcpy(out, end.data(), size_t(end.size()));
            out += end.size();
        } else if (u == u'\t') {
            *out++ = kTab;
        } else {
            const int code = cp437Code(ch);
            *out++ = code < 0 ? '?' : static_cast<char>(code);
        }
    }
    return codes;
}

std::optional<QString> DocumentCodec::decode(const QByteArray& bytes, TextEncoding::Kind kind)
{
    if (kind == TextEncoding::Cp437)
        return toDisplay(bytes);
    const std::optional<QString> raw = rawText(bytes, kind);
    if (!raw || !isShowable(*raw))
        return std::nullopt;
    return displayFromRaw(*raw);
}

QByteArray DocumentCodec::encode(const QString& display, TextEncoding::Kind kind)
{
    if (kind == TextEncoding::Cp437)
        return fromDisplay(display);
    return rawBytes(rawFromDisplay(display), kind);
}

std::optional<QString> DocumentCodec::decode(const QByteArray& bytes, const FileEncoding& encoding)
{
    if (!encoding.isRepaired())
        return decode(bytes, encoding.kind);
    std::optional<QString> raw = rawText(bytes, encoding.kind);
    for (int layer = 1; raw; ++layer) {
        std::optional<QByteArray> codes = MisreadPage::bytes(*raw, encoding.misreadAs);
        if (!codes)
            break;
        if (layer >= encoding.misreadTimes)
            return toDisplay(*codes);
        raw = rawText(*codes, TextEncoding::Utf8);
    }
    return std::nullopt;
}

QByteArray DocumentCodec::encode(const QString& display, const FileEncoding& encoding)
{
    if (!encoding.isRepaired())
        return encode(display, encoding.kind);
    QByteArray codes = fromDisplay(display);
    for (int layer = 1; layer < encoding.misreadTimes; ++layer)
        codes = MisreadPage::text(codes, encoding.misreadAs).toUtf8();
    return rawBytes(MisreadPage::text(codes, encoding.misreadAs), encoding.kind);
}

int DocumentCodec::firstUnencodable(const QString& foreign, TextEncoding::Kind kind)
{
    // A converter of the platform answers for the whole text at once; character by character
    // only to find the one it refuses.
    if (TextEncoding::converterName(kind) && holds(withLfLineEnds(foreign), kind))
        return -1;
    for (qsizetype i = 0; i < foreign.size(); ++i) {
        const QChar ch = foreign.at(i);
        const char16_t u = ch.unicode();
        if (u == u'\r' || u == u'\t' || LineEnd::isLineEnd(u))
            continue;
        const bool pair =
            ch.isHighSurrogate() && i + 1 < foreign.size() && foreign.at(i + 1).isLowSurrogate();
        if (!holds(QStringView(foreign).mid(i, pair ? 2 : 1), kind))
            return static_cast<int>(i);
        if (pair)
            ++i;
    }
    return -1;
}

int DocumentCodec::firstUnencodable(const QString& foreign, const FileEncoding& encoding)
{
    return firstUnencodable(foreign, encoding.textKind());
}

QString DocumentCodec::displayFromForeign(const QString& foreign, QChar lineBreak)
{
    const qsizetype n = foreign.size();
    QString text(n, Qt::Uninitialized);
    QChar* out = text.data();
    const QChar* in = foreign.constData();
    qsizetype length = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = in[i].unicode();
        if (u == u'\r' || u == u'\n') {
            out[length++] = lineBreak;
            if (u == u'\r' && i + 1 < n && in[i + 1] == QLatin1Char('\n'))
                ++i;
        } else if (u == kParaSep) {
            out[length++] = QLatin1Char('\n');
        } else {
            out[length++] = in[i];
        }
    }
    text.truncate(length);
    return text;
}

QByteArray DocumentCodec::fromForeignText(const QString& foreign)
{
    return fromDisplay(displayFromForeign(foreign, QLatin1Char('\n')));
}

QString DocumentCodec::toForeignText(const QString& display)
{
    // Counted first and written straight into place: a copy of megabytes is one pass.
    qsizetype size = display.size();
    for (const QChar ch : display) {
        if (LineEnd::isLineEnd(ch))
            size += LineEnd::textOf(ch).size() - 1;
    }
    QString text(size, Qt::Uninitialized);
    QChar* out = text.data();
    for (const QChar ch : display) {
        const QStringView end = LineEnd::textOf(ch);
        if (end.isEmpty()) {
            *out++ = ch.unicode() == 0 ? QLatin1Char(' ') : ch;
        } else {
            for (const QChar c : end)
                *out++ = c;
        }
    }
    return text;
}

bool DocumentCodec::hasMarkedBreaks(const QString& display)
{
    return std::any_of(display.cbegin(), display.cend(),
                       [](QChar ch) { return LineEnd::kindOf(ch) >= LineEnd::Cr; });
}

bool DocumentCodec::isLineBreak(QChar ch)
{
    return LineEnd::isLineEnd(ch) || ch == QLatin1Char('\r');
}
