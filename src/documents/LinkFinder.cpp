#include "LinkFinder.h"

namespace {

struct Found
{
    qsizetype start = 0;
    qsizetype end = 0; // 0: nothing found
    QString prefix;    // put before the text to make the address
};

bool isAsciiAlnum(char16_t u)
{
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9');
}

bool isWordCharacter(QChar ch)
{
    return ch.isLetterOrNumber() || ch == QLatin1Char('.') || ch == QLatin1Char('-') ||
           ch == QLatin1Char('_') || ch == QLatin1Char('@') || ch == QLatin1Char('/');
}

// Characters an address runs on with: printable ASCII but blanks, quotes, angle brackets and
// the bars and braces art draws frames with; letters and digits beyond ASCII. Shade, block and
// box-drawing characters, line ends and control characters end it.
bool isAddressCharacter(QChar ch)
{
    const char16_t u = ch.unicode();
    if (u > 0x20 && u < 0x7F)
        return !QStringView(u"<>\"`{}|\\^").contains(ch);
    return u >= 0xA0 && ch.isLetterOrNumber();
}

bool isLocalCharacter(char16_t u)
{
    return isAsciiAlnum(u) || u == u'.' || u == u'_' || u == u'%' || u == u'+' || u == u'-';
}

bool isDomainCharacter(char16_t u)
{
    return isAsciiAlnum(u) || u == u'.' || u == u'-';
}

// The end of an address without the punctuation after it and a closing bracket whose opening
// one is not in it. `from` is the first character after the scheme.
qsizetype trimmedEnd(const QString& text, qsizetype from, qsizetype end)
{
    qsizetype roundOpen = 0, roundClose = 0, squareOpen = 0, squareClose = 0;
    for (qsizetype i = from; i < end; ++i) {
        const char16_t u = text.at(i).unicode();
        roundOpen += u == u'(';
        roundClose += u == u')';
        squareOpen += u == u'[';
        squareClose += u == u']';
    }
    while (end > from) {
        const char16_t u = text.at(end - 1).unicode();
        if (u == u')' && roundClose > roundOpen)
            --roundClose;
        else if (u == u']' && squareClose > squareOpen)
            --squareClose;
        else if (!QStringView(u".,;:!?").contains(QChar(u)))
            break;
        --end;
    }
    return end;
}

Found webAddress(const QString& text, qsizetype at, qsizetype floor)
{
    if (at > floor && isWordCharacter(text.at(at - 1)))
        return {};
    static const QString schemes[] = {QStringLiteral("http://"), QStringLiteral("https://"),
                                      QStringLiteral("ftp://"), QStringLiteral("www.")};
    const QStringView rest = QStringView(text).mid(at);
    for (const QString& scheme : schemes) {
        if (!rest.startsWith(scheme, Qt::CaseInsensitive))
            continue;
        const qsizetype host = at + scheme.size();
        // The scheme alone, or one followed by punctuation, is no address.
        if (host >= text.size() || !text.at(host).isLetterOrNumber())
            return {};
        qsizetype end = host;
        while (end < text.size() && isAddressCharacter(text.at(end)))
            ++end;
        const bool web = scheme.at(0) == QLatin1Char('w');
        return {at, trimmedEnd(text, host, end), web ? QStringLiteral("http://") : QString()};
    }
    return {};
}

// The domain after an @: labels of letters, digits and hyphens, at least two, the last of two
// or more letters.
qsizetype domainEnd(const QString& text, qsizetype from)
{
    qsizetype end = from;
    while (end < text.size() && isDomainCharacter(text.at(end).unicode()))
        ++end;
    while (end > from && !isAsciiAlnum(text.at(end - 1).unicode()))
        --end;
    const qsizetype dot = text.lastIndexOf(QLatin1Char('.'), end - 1);
    if (end == from || dot <= from || end - dot < 3 || !isAsciiAlnum(text.at(from).unicode()))
        return from;
    for (qsizetype i = dot + 1; i < end; ++i) {
        if (!text.at(i).isLetter())
            return from;
    }
    return end;
}

// An e-mail address around the @ at `at`, not reaching back before `floor`.
Found mailAddress(const QString& text, qsizetype at, qsizetype floor)
{
    qsizetype start = at;
    while (start > floor && isLocalCharacter(text.at(start - 1).unicode()))
        --start;
    while (start < at && text.at(start) == QLatin1Char('.'))
        ++start;
    const qsizetype end = domainEnd(text, at + 1);
    if (start == at || end == at + 1)
        return {};
    return {start, end, QStringLiteral("mailto:")};
}

} // namespace

QList<LinkFinder::Link> LinkFinder::find(const QString& display)
{
    QList<Link> links;
    // Every address holds a ':' or a '.' (the web's) or an '@' (mail): art without any, as a
    // large file of pure drawing is, is passed over in one quick search each.
    if (!display.contains(u':') && !display.contains(u'.') && !display.contains(u'@'))
        return links;
    qsizetype floor = 0; // the end of the last link: nothing before it is looked at again
    const QChar* chars = display.constData();
    for (qsizetype i = 0; i < display.size(); ++i) {
        const char16_t u = chars[i].unicode();
        const auto lower = static_cast<char16_t>(u | 0x20);
        // Most characters start no address: they are passed over at once.
        const bool web = lower == u'h' || lower == u'f' || lower == u'w';
        if (!web && u != u'@')
            continue;
        const Found found = web ? webAddress(display, i, floor) : mailAddress(display, i, floor);
        if (found.end == 0)
            continue;
        const QString text = display.mid(found.start, found.end - found.start);
        links.append({int(found.start), int(text.size()), found.prefix + text});
        floor = found.end;
        i = found.end - 1;
    }
    return links;
}
