#include "EncodingRules.h"

#include "LineEnd.h"
#include "MisreadPage.h"

namespace {

constexpr int kArtRun = 4;

bool isAsciiLetter(uchar c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDrawingCode(uchar c)
{
    return c >= 0xB0 && c <= 0xDF;
}

bool isLatinLetter(uchar c)
{
    return (c >= 0xC0 && c != 0xD7 && c != 0xF7) || c == 0x9C;
}

bool isPunctuation(uchar c)
{
    return c == 0x80 || c == 0x84 || c == 0x85 || (c >= 0x91 && c <= 0x97) || c == 0x99;
}

// The codes a display text was read from in the page, line ends as LF; nothing when a
// character is not in it. Enough to judge the codes by, cheaper than decoding exactly.
std::optional<QByteArray> codesOf(QStringView display, TextEncoding::Misread page)
{
    QByteArray codes(display.size(), Qt::Uninitialized);
    char* out = codes.data();
    for (const QChar ch : display) {
        const int code = LineEnd::isLineEnd(ch) ? '\n' : MisreadPage::code(ch.unicode(), page);
        if (code < 0)
            return std::nullopt;
        *out++ = static_cast<char>(code);
    }
    return codes;
}

// Whether the high byte at `i` is Windows-1252 text by the rule of isWindows1252Text.
bool isTextByte(const QByteArray& text, qsizetype i)
{
    const auto c = static_cast<uchar>(text.at(i));
    const auto before = i > 0 ? static_cast<uchar>(text.at(i - 1)) : uchar(' ');
    const auto after = i + 1 < text.size() ? static_cast<uchar>(text.at(i + 1)) : uchar(' ');
    if (isLatinLetter(c)) {
        if (isDrawingCode(c) && (isDrawingCode(before) || isDrawingCode(after)))
            return false;
        return isAsciiLetter(before) || isAsciiLetter(after);
    }
    if (isPunctuation(c))
        return c == 0x92 || !(isAsciiLetter(before) && isAsciiLetter(after));
    if (c == 0xA1 || c == 0xBF)
        return !isAsciiLetter(before) && isAsciiLetter(after);
    return false;
}

bool isLineEnd(char32_t u)
{
    return u <= 0xFFFF && LineEnd::isLineEnd(char16_t(u));
}

bool isPrintable(char32_t u)
{
    return u == u'\t' || isLineEnd(u) || QChar::isPrint(u);
}

} // namespace

bool EncodingRules::isPlausibleUtf16(const QString& display, const QByteArray& bytes)
{
    qsizetype printable = 0;
    qsizetype characters = 0;
    bool lineEnds = false;
    for (qsizetype i = 0; i < display.size(); ++i) {
        char32_t u = display.at(i).unicode();
        if (QChar::isHighSurrogate(u) && i + 1 < display.size()) {
            u = QChar::surrogateToUcs4(display.at(i), display.at(i + 1));
            ++i;
        }
        lineEnds = lineEnds || isLineEnd(u);
        printable += isPrintable(u) ? 1 : 0;
        ++characters;
    }
    if (printable * 10 < characters * 9)
        return false;
    return lineEnds || (!bytes.contains('\r') && !bytes.contains('\n'));
}

bool EncodingRules::isWindows1252Text(const QByteArray& text)
{
    bool high = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (static_cast<uchar>(text.at(i)) < 0x80)
            continue;
        if (!isTextByte(text, i))
            return false;
        high = true;
    }
    return high;
}

bool EncodingRules::looksLikeArt(const QByteArray& codes)
{
    qsizetype drawing = 0;
    qsizetype other = 0;
    int run = 0;
    bool longRun = false;
    for (const char c : codes) {
        const auto code = static_cast<uchar>(c);
        if (isDrawingCode(code)) {
            ++drawing;
            longRun = longRun || ++run >= kArtRun;
            continue;
        }
        run = 0;
        other += code >= 0x80 ? 1 : 0;
    }
    return longRun && drawing >= 2 * other;
}

std::optional<FileEncoding> EncodingRules::misreadArt(const QString& display,
                                                      const FileEncoding& plain)
{
    // Where Windows-1252 reads a text, Latin-1 reads the same codes: it is tried only when a
    // character is not in Windows-1252, such as a C1 control.
    for (const auto page : {TextEncoding::Misread::Windows1252, TextEncoding::Misread::Latin1}) {
        const std::optional<QByteArray> once = codesOf(display, page);
        if (!once)
            continue;
        FileEncoding repaired = plain;
        repaired.misreadAs = page;
        // Twice first: art misread once is CP437 codes, which seldom make valid UTF-8.
        const std::optional<QByteArray> twice = QByteArrayView(*once).isValidUtf8()
                                                    ? codesOf(QString::fromUtf8(*once), page)
                                                    : std::nullopt;
        repaired.misreadTimes = twice && looksLikeArt(*twice) ? 2 : 1;
        if (repaired.misreadTimes == 2 || looksLikeArt(*once))
            return repaired;
        return std::nullopt;
    }
    return std::nullopt;
}
