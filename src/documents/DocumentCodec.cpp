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
    char* out = codes.data();
    qsizetype length = 0;
    for (const QChar ch : text) {
        if (isParagraphBreak(ch)) {
            out[length++] = kCr;
            out[length++] = kLf;
        } else if (ch.unicode() == LineSeparator) {
            out[length++] = kLf;
        } else if (ch == QLatin1Char('\t')) {
            out[length++] = kTab;
        } else {
            const int code = plainCode(ch);
            out[length++] = code < 0 ? '?' : static_cast<char>(code);
        }
    }
    codes.truncate(length);
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

QString DocumentCodec::toForeignText(const QByteArray& codes)
{
    QString text = toDisplay(codes);
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    text.replace(QChar(LineSeparator), QLatin1Char('\n'));
    return text;
}
