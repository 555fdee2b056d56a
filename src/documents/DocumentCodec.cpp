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

} // namespace

QString DocumentCodec::toDisplay(const QByteArray& codes)
{
    QString text;
    text.reserve(codes.size());
    const qsizetype n = codes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = codes.at(i);
        if (c == kCr && i + 1 < n && codes.at(i + 1) == kLf) {
            text.append(QLatin1Char('\n'));
            ++i;
        } else if (c == kLf) {
            text.append(QChar(LineSeparator));
        } else if (c == kTab) {
            text.append(QLatin1Char('\t'));
        } else {
            text.append(Cp437::toUnicode(static_cast<uchar>(c)));
        }
    }
    return text;
}

QByteArray DocumentCodec::fromDisplay(const QString& text)
{
    QByteArray codes;
    codes.reserve(text.size() + text.size() / 16);
    for (const QChar ch : text) {
        if (isParagraphBreak(ch)) {
            codes.append(kCr).append(kLf);
        } else if (ch.unicode() == LineSeparator) {
            codes.append(kLf);
        } else if (ch == QLatin1Char('\t')) {
            codes.append(kTab);
        } else {
            const int code = plainCode(ch);
            codes.append(code < 0 ? '?' : static_cast<char>(code));
        }
    }
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
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normal.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return fromDisplay(normal);
}

int DocumentCodec::codeLength(const QString& display)
{
    int length = 0;
    for (const QChar ch : display)
        length += isParagraphBreak(ch) ? 2 : 1;
    return length;
}
