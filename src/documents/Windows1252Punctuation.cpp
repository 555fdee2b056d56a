#include "Windows1252Punctuation.h"

#include "LineEnd.h"

#include <QStringList>
#include <algorithm>

namespace {

// The code page 437 glyphs of the Windows-1252 punctuation bytes.
constexpr char16_t kOpenSingle = u'\u00E6';  // 0x91 æ
constexpr char16_t kCloseSingle = u'\u00C6'; // 0x92 Æ
constexpr char16_t kOpenDouble = u'\u00F4';  // 0x93 ô
constexpr char16_t kCloseDouble = u'\u00F6'; // 0x94 ö
constexpr char16_t kEnDash = u'\u00FB';      // 0x96 û
constexpr char16_t kEmDash = u'\u00F9';      // 0x97 ù
constexpr char16_t kEllipsis = u'\u00E0';    // 0x85 à

bool isWordCharacter(QChar ch)
{
    return ch.isLetterOrNumber();
}

QChar at(QStringView line, qsizetype i)
{
    return i >= 0 && i < line.size() ? line.at(i) : QChar(u' ');
}

// A quote opens words: nothing of a word before it, a word after it.
bool opensWord(QStringView line, qsizetype i)
{
    return !isWordCharacter(at(line, i - 1)) && isWordCharacter(at(line, i + 1));
}

// A quote closes words: a word or its final punctuation before it, no word after it.
bool closesWord(QStringView line, qsizetype i)
{
    const QChar before = at(line, i - 1);
    return (isWordCharacter(before) || QStringView(u".,!?").contains(before)) &&
           !isWordCharacter(at(line, i + 1));
}

// One of the glyphs the punctuation bytes show as.
bool isCandidate(char16_t u)
{
    switch (u) {
    case kOpenSingle:
    case kCloseSingle:
    case kOpenDouble:
    case kCloseDouble:
    case kEnDash:
    case kEmDash:
    case kEllipsis:
        return true;
    default:
        return false;
    }
}

} // namespace

QList<Windows1252Punctuation::Found> Windows1252Punctuation::find(const QString& display)
{
    // Only the lines that hold one of the glyphs are looked at closely.
    QList<Found> found;
    const QStringView text(display);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isCandidate(text.at(i).unicode()))
            continue;
        qsizetype start = i;
        while (start > 0 && !LineEnd::isLineEnd(text.at(start - 1)))
            --start;
        qsizetype end = i;
        while (end < text.size() && !LineEnd::isLineEnd(text.at(end)))
            ++end;
        findInLine(text.mid(start, end - start), start, found);
        i = end;
    }
    return found;
}

void Windows1252Punctuation::findInLine(QStringView line, qsizetype offset, QList<Found>& found)
{
    const qsizetype first = found.size();
    qsizetype openSingle = -1, openDouble = -1;
    const auto pair = [&](qsizetype& open, qsizetype close, const QString& lookAlike) {
        found.append({offset + open, line.at(open), lookAlike});
        found.append({offset + close, line.at(close), lookAlike});
        open = -1;
    };
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char16_t u = line.at(i).unicode();
        if (u == kCloseSingle && isApostrophe(line, i))
            found.append({offset + i, line.at(i), QStringLiteral("'")});
        else if (u == kOpenSingle && opensWord(line, i))
            openSingle = i;
        else if (u == kCloseSingle && openSingle >= 0 && closesWord(line, i))
            pair(openSingle, i, QStringLiteral("'"));
        else if (u == kOpenDouble && opensWord(line, i))
            openDouble = i;
        else if (u == kCloseDouble && openDouble >= 0 && closesWord(line, i))
            pair(openDouble, i, QStringLiteral("\""));
        else if ((u == kEnDash || u == kEmDash) && isDash(line, i))
            found.append({offset + i, line.at(i), QStringLiteral("-")});
        else if (u == kEllipsis && isEllipsis(line, i))
            found.append({offset + i, line.at(i), QStringLiteral("...")});
    }
    // A pair is found at its closing quote, after what lies between.
    std::sort(found.begin() + first, found.end(),
              [](const Found& a, const Found& b) { return a.at < b.at; });
}

bool Windows1252Punctuation::isApostrophe(QStringView line, qsizetype at)
{
    if (at == 0 || !line.at(at - 1).isLetter())
        return false;
    for (const QStringView ending : {u"s", u"t", u"ll", u"re", u"ve"}) {
        const QStringView after = line.mid(at + 1);
        if (after.startsWith(ending, Qt::CaseInsensitive) &&
            !isWordCharacter(::at(line, at + 1 + ending.size())))
            return true;
    }
    return false;
}

bool Windows1252Punctuation::isDash(QStringView line, qsizetype at)
{
    const QChar before = ::at(line, at - 1);
    const QChar after = ::at(line, at + 1);
    if (at == 0 || at + 1 >= line.size())
        return false;
    return (before == u' ' && after == u' ') || (before.isDigit() && after.isDigit());
}

bool Windows1252Punctuation::isEllipsis(QStringView line, qsizetype at)
{
    const QChar before = ::at(line, at - 1);
    const QChar after = ::at(line, at + 1);
    if (at == 0 || !(isWordCharacter(before) || QStringView(u".!?").contains(before)) ||
        isWordCharacter(after))
        return false;
    // French words that end in à are words, not an ellipsis after one.
    qsizetype wordStart = at;
    while (wordStart > 0 && line.at(wordStart - 1).isLetter())
        --wordStart;
    const QString word = line.mid(wordStart, at - wordStart + 1).toString().toLower();
    static const QStringList kFrench = {
        QStringLiteral(u"l\u00E0"),        QStringLiteral(u"voil\u00E0"),
        QStringLiteral(u"d\u00E9j\u00E0"), QStringLiteral(u"hol\u00E0"),
        QStringLiteral(u"del\u00E0"),      QStringLiteral(u"de\u00E7\u00E0"),
        QStringLiteral(u"\u00E7\u00E0")};
    return !kFrench.contains(word);
}
