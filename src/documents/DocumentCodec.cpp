#include "DocumentCodec.h"

#include "Cp437.h"

#include <QStringDecoder>
#include <array>

namespace {

constexpr char kCr = '\r';
constexpr char kLf = '\n';
constexpr char kTab = '\t';
constexpr char16_t kLineSep = DocumentCodec::LineSeparator;
constexpr char16_t kParaSep = DocumentCodec::ParagraphSeparator;
constexpr char16_t kLoneCr = DocumentCodec::LoneCr;
constexpr char16_t kCrCrLf = DocumentCodec::CrCrLf;

// Windows-1252 from 0x80 to 0x9F; 0 where the code page defines no character.
constexpr std::array<char16_t, 32> k1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

bool isParagraphBreak(char16_t u)
{
    return u == u'\n' || u == kParaSep;
}

bool isLineEnd(char16_t u)
{
    return isParagraphBreak(u) || u == kLineSep || u == kLoneCr || u == kCrCrLf;
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

int windows1252Code(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (size_t i = 0; i < k1252High.size(); ++i) {
        if (k1252High[i] == u && u != 0)
            return static_cast<int>(0x80 + i);
    }
    return -1;
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
        const char16_t u = c >= 0x80 && c < 0xA0 ? k1252High[c - 0x80] : c;
        if (u == 0)
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
        if (ch.unicode() == kLineSep || ch.unicode() == kParaSep || ch.unicode() == kLoneCr ||
            ch.unicode() == kCrCrLf)
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
            if (i + 1 < n && in[i + 1] == QLatin1Char('\n')) {
                out[length++] = QLatin1Char('\n');
                ++i;
            } else if (i + 2 < n && in[i + 1] == QLatin1Char('\r') &&
                       in[i + 2] == QLatin1Char('\n')) {
                out[length++] = QChar(kCrCrLf);
                i += 2;
            } else {
                out[length++] = QChar(kLoneCr);
            }
        } else if (u == u'\n') {
            out[length++] = QChar(kLineSep);
        } else {
            out[length++] = in[i];
        }
    }
    text.truncate(length);
    return text;
}

// The line end a display character stands for, as text with CR and LF, or "" for any other
// character.
QStringView lineEndText(char16_t u)
{
    switch (u) {
    case u'\n':
    case kParaSep:
        return u"\r\n";
    case kLineSep:
        return u"\n";
    case kLoneCr:
        return u"\r";
    case kCrCrLf:
        return u"\r\r\n";
    default:
        return {};
    }
}

QString rawFromDisplay(const QString& display)
{
    QString raw;
    raw.reserve(display.size() + display.size() / 32 + 16);
    for (const QChar ch : display) {
        const QStringView end = lineEndText(ch.unicode());
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
        const int code = windows1252Code(raw.at(i).unicode());
        bytes[i] = code < 0 ? '?' : static_cast<char>(code);
    }
    return bytes;
}

} // namespace

QString DocumentCodec::toDisplay(const QByteArray& codes)
{
    // Written straight into a buffer of the largest size it can need, then cut: a document of
    // megabytes decodes in one pass without growing a string character by character.
    const qsizetype n = codes.size();
    QString text(n, Qt::Uninitialized);
    QChar* out = text.data();
    const char* in = codes.constData();
    qsizetype length = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char c = in[i];
        if (c == kCr) {
            if (i + 1 < n && in[i + 1] == kLf) {
                out[length++] = QLatin1Char('\n');
                ++i;
            } else if (i + 2 < n && in[i + 1] == kCr && in[i + 2] == kLf) {
                out[length++] = QChar(kCrCrLf);
                i += 2;
            } else {
                out[length++] = QChar(kLoneCr);
            }
        } else if (c == kLf) {
            out[length++] = QChar(kLineSep);
        } else if (c == kTab) {
            out[length++] = QLatin1Char('\t');
        } else {
            out[length++] = Cp437::toUnicode(static_cast<uchar>(c));
        }
    }
    text.truncate(length);
    return text;
}

QByteArray DocumentCodec::fromDisplay(const QString& display)
{
    // Every character gives one code, CR LF two and CR CR LF three; counted first, so that a
    // large document takes no more memory than it needs.
    qsizetype size = display.size();
    for (const QChar ch : display) {
        if (isParagraphBreak(ch.unicode()))
            size += 1;
        else if (ch.unicode() == kCrCrLf)
            size += 2;
    }
    QByteArray codes(size, Qt::Uninitialized);
    char* out = codes.data();
    for (const QChar ch : display) {
        const char16_t u = ch.unicode();
        if (isParagraphBreak(u)) {
            *out++ = kCr;
            *out++ = kLf;
        } else if (u == kLineSep) {
            *out++ = kLf;
        } else if (u == kLoneCr) {
            *out++ = kCr;
        } else if (u == kCrCrLf) {
            *out++ = kCr;
            *out++ = kCr;
            *out++ = kLf;
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
    std::optional<QString> raw;
    switch (kind) {
    case TextEncoding::Cp437:
        return toDisplay(bytes);
    case TextEncoding::Utf8:
        if (isValidUtf8(bytes))
            raw = utf8(bytes);
        break;
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be:
        raw = utf16(bytes, kind == TextEncoding::Utf16Le);
        break;
    case TextEncoding::Windows1252:
        raw = windows1252(bytes);
        break;
    }
    if (!raw || !isShowable(*raw))
        return std::nullopt;
    return displayFromRaw(*raw);
}

QByteArray DocumentCodec::encode(const QString& display, TextEncoding::Kind kind)
{
    switch (kind) {
    case TextEncoding::Cp437:
        break;
    case TextEncoding::Utf8:
        return rawFromDisplay(display).toUtf8();
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be:
        return utf16Bytes(rawFromDisplay(display), kind == TextEncoding::Utf16Le);
    case TextEncoding::Windows1252:
        return windows1252Bytes(rawFromDisplay(display));
    }
    return fromDisplay(display);
}

int DocumentCodec::firstUnencodable(const QString& foreign, TextEncoding::Kind kind)
{
    for (qsizetype i = 0; i < foreign.size(); ++i) {
        const QChar ch = foreign.at(i);
        const char16_t u = ch.unicode();
        if (u == u'\r' || u == u'\t' || isLineEnd(u))
            continue;
        bool held = true;
        switch (kind) {
        case TextEncoding::Cp437:
            held = held && cp437Code(ch) >= 0;
            break;
        case TextEncoding::Utf8:
        case TextEncoding::Utf16Le:
        case TextEncoding::Utf16Be:
            if (ch.isHighSurrogate() && i + 1 < foreign.size() &&
                foreign.at(i + 1).isLowSurrogate())
                ++i;
            else
                held = held && !ch.isSurrogate();
            break;
        case TextEncoding::Windows1252:
            held = held && windows1252Code(u) >= 0;
            break;
        }
        if (!held)
            return static_cast<int>(i);
    }
    return -1;
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
    for (const QChar ch : display)
        size += lineEndText(ch.unicode()).size() - (lineEndText(ch.unicode()).isEmpty() ? 0 : 1);
    QString text(size, Qt::Uninitialized);
    QChar* out = text.data();
    for (const QChar ch : display) {
        const QStringView end = lineEndText(ch.unicode());
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
    return display.contains(QChar(kLoneCr)) || display.contains(QChar(kCrCrLf));
}

bool DocumentCodec::isLineBreak(QChar ch)
{
    return isLineEnd(ch.unicode()) || ch == QLatin1Char('\r');
}
