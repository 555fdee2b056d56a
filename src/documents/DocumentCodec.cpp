#include "DocumentCodec.h"

#include "Cp437.h"

namespace {

constexpr char kCr = '\r';
constexpr char kLf = '\n';
constexpr char kTab = '\t';

bool isParagraphBreak(QChar ch)
{
    return ch == QLatin1Char('\n') || ch.unicode() == DocumentCodec::ParagraphSeparator;
}

// One widget character that is not a break or a tab, as its code, or -1.
int plainCode(QChar ch)
{
    return Cp437::fromUnicode(ch);
}

// Appends the codes of one widget character: a paragraph break gives CR LF, a line separator
// a lone LF, a character without a code page 437 glyph '?'.
char* appendCodes(char* out, QChar ch)
{
    if (isParagraphBreak(ch)) {
        *out++ = kCr;
        *out++ = kLf;
    } else if (ch.unicode() == DocumentCodec::LineSeparator) {
        *out++ = kLf;
    } else if (ch == QLatin1Char('\t')) {
        *out++ = kTab;
    } else {
        const int code = plainCode(ch);
        *out++ = code < 0 ? '?' : static_cast<char>(code);
    }
    return out;
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
        if (c == kCr && i + 1 < n && in[i + 1] == kLf) {
            out[length++] = QLatin1Char('\n');
            ++i;
        } else if (c == kLf) {
            out[length++] = QChar(LineSeparator);
        } else if (c == kTab) {
            out[length++] = QLatin1Char('\t');
        } else {
            out[length++] = Cp437::toUnicode(static_cast<uchar>(c));
        }
    }
    text.truncate(length);
    return text;
}

QByteArray DocumentCodec::fromDisplay(const QString& text)
{
    // Every character gives one code, a paragraph break two.
    QByteArray codes(text.size() * 2, Qt::Uninitialized);
    char* const begin = codes.data();
    char* out = begin;
    for (const QChar ch : text)
        out = appendCodes(out, ch);
    codes.truncate(out - begin);
    return codes;
}

int DocumentCodec::firstUnencodable(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        const bool special = ch == QLatin1Char('\r') || isParagraphBreak(ch) ||
                             ch.unicode() == LineSeparator || ch == QLatin1Char('\t');
        if (!special && plainCode(ch) < 0)
            return static_cast<int>(i);
    }
    return -1;
}

QByteArray DocumentCodec::fromForeignText(const QString& text)
{
    // One pass, so that a paste of any size costs its length: CR LF and a lone CR end a line
    // just as a lone LF does.
    QByteArray codes(text.size() * 2, Qt::Uninitialized);
    char* const begin = codes.data();
    char* out = begin;
    const qsizetype n = text.size();
    const QChar* in = text.constData();
    for (qsizetype i = 0; i < n; ++i) {
        if (in[i] == QLatin1Char('\r')) {
            *out++ = kCr;
            *out++ = kLf;
            if (i + 1 < n && in[i + 1] == QLatin1Char('\n'))
                ++i;
        } else {
            out = appendCodes(out, in[i]);
        }
    }
    codes.truncate(out - begin);
    return codes;
}

QString DocumentCodec::toForeignText(const QByteArray& codes)
{
    // As the widget shows the codes, but with the line ends other programs use: CR LF stays
    // CR LF and a lone LF stays LF. Every code gives one character.
    const qsizetype n = codes.size();
    QString text(n, Qt::Uninitialized);
    QChar* out = text.data();
    const char* in = codes.constData();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = in[i];
        if (c == kCr && i + 1 < n && in[i + 1] == kLf) {
            out[i] = QLatin1Char('\r');
            out[++i] = QLatin1Char('\n');
        } else if (c == kLf) {
            out[i] = QLatin1Char('\n');
        } else if (c == kTab) {
            out[i] = QLatin1Char('\t');
        } else {
            out[i] = Cp437::toUnicode(static_cast<uchar>(c));
        }
    }
    return text;
}
