#include "NfoChecker.h"

#include "AddressForm.h"
#include "LineEnd.h"
#include "LinkFinder.h"
#include "SauceRecord.h"
#include "SauceTrailer.h"
#include "Windows1252Punctuation.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

// The display characters of the control codes as each kind of text shows them: code page 437
// shows its glyphs, the other encodings the characters themselves.
constexpr char16_t kCp437CtrlZ = u'\u2192';
constexpr char16_t kCp437Escape = u'\u2190';
constexpr char16_t kReplacement = u'\uFFFD';

// The byte-order marks read as code page 437: UTF-8's, UTF-16 LE's and UTF-16 BE's.
const QStringView kMarks[] = {u"\u2229\u2557\u2510", u"\u00A0\u25A0", u"\u25A0\u00A0"};

bool isBlank(QChar ch)
{
    return ch == u' ' || ch == u'\t';
}

// "CR LF", "LF", "CR CR LF", ...
QString lineEndName(int kind)
{
    QStringList names;
    for (const char byte : LineEnd::bytes(kind))
        names.append(byte == '\r' ? QStringLiteral("CR") : QStringLiteral("LF"));
    return names.join(u' ');
}

// The index after a CSI escape sequence that starts at `at` (ESC [ parameters, final byte),
// and the columns the cursor moves forward for ESC [ n C.
qsizetype skipEscape(const QString& text, qsizetype at, int& columns)
{
    qsizetype i = at + 2;
    while (i < text.size() && !LineEnd::isLineEnd(text.at(i)) &&
           !(text.at(i).unicode() >= 0x40 && text.at(i).unicode() <= 0x7E))
        ++i;
    if (i < text.size() && text.at(i) == u'C') {
        bool ok = false;
        const int forward = text.mid(at + 2, i - at - 2).toInt(&ok);
        columns += ok ? qBound(0, forward, 1000) : 1;
    }
    return i < text.size() && !LineEnd::isLineEnd(text.at(i)) ? i + 1 : i;
}

// The end of the text before a Ctrl-Z that ends it, which DOS programs put there.
qsizetype textEnd(const QString& display, QChar ctrlZ)
{
    return display.endsWith(ctrlZ) ? display.size() - 1 : display.size();
}

} // namespace

struct NfoChecker::Pass
{
    explicit Pass(const DocumentFormat::Opened& document) : opened(document), text(document.display)
    {
    }

    const DocumentFormat::Opened& opened;
    const QString& text;
    bool cp437 = true;
    bool ansi = false;
    int width = DefaultWidth;
    QChar ctrlZ;
    QChar escape;
    std::vector<qsizetype> lineStarts{0};
    std::array<int, LineEnd::Count> endCounts{};
    std::array<qsizetype, LineEnd::Count> firstEnds{};
    QList<Finding> findings;

    void add(Kind kind, qsizetype start, qsizetype length, const QString& message)
    {
        findings.append({0, 0, kind, message, start, length});
    }
};

NfoChecker::NfoChecker(int width) : m_width(width) {}

QList<NfoChecker::Finding> NfoChecker::check(const QByteArray& fileBytes) const
{
    const DocumentFormat::Opened opened = DocumentFormat::open(fileBytes);
    return check(opened, fileBytes.size() - opened.trailer.size());
}

QList<NfoChecker::Finding> NfoChecker::check(const DocumentFormat::Opened& opened,
                                             qint64 contentSize) const
{
    Pass pass(opened);
    pass.cp437 = opened.encoding.textKind() == TextEncoding::Cp437;
    pass.ctrlZ = pass.cp437 ? QChar(kCp437CtrlZ) : QChar(u'\x1A');
    pass.escape = pass.cp437 ? QChar(kCp437Escape) : QChar(u'\x1B');
    pass.ansi = isAnsi(opened.display);
    const int canvas = pass.ansi ? SauceTrailer::fieldsOf(opened.trailer).width : 0;
    pass.width = canvas > 0 ? canvas : m_width;
    checkLines(pass);
    checkLineEnds(pass);
    checkEnd(pass);
    checkTrailer(pass, contentSize);
    checkAddresses(pass);
    checkPunctuation(pass);
    // Places as lines and columns, in the order of the text.
    for (Finding& finding : pass.findings) {
        const auto line =
            std::upper_bound(pass.lineStarts.begin(), pass.lineStarts.end(), finding.start) - 1;
        finding.line = int(line - pass.lineStarts.begin()) + 1;
        finding.column = int(finding.start - *line) + 1;
    }
    std::stable_sort(pass.findings.begin(), pass.findings.end(),
                     [](const Finding& a, const Finding& b) { return a.start < b.start; });
    return pass.findings;
}

void NfoChecker::checkLines(Pass& pass) const
{
    const QString& text = pass.text;
    if (pass.opened.encoding.kind == TextEncoding::Cp437) {
        for (const QStringView mark : kMarks) {
            if (text.startsWith(mark))
                pass.add(Kind::ByteOrderMark, 0, mark.size(),
                         tr("byte-order mark in a code page 437 file: viewers show it as %1 at "
                            "the top")
                             .arg(mark));
        }
    }
    qsizetype contentEnd = 0, over = -1;
    int columns = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const int kind = i < text.size() ? LineEnd::kindOf(text.at(i)) : -1;
        if (i == text.size() || kind >= 0) {
            if (over >= 0)
                pass.add(Kind::WideLine, over, i - over,
                         tr("line is %1 columns wide, more than %2: a viewer %2 columns wide "
                            "wraps or cuts it")
                             .arg(columns)
                             .arg(pass.width));
            if (contentEnd < i)
                pass.add(Kind::TrailingBlanks, contentEnd, i - contentEnd,
                         tr("trailing blanks: invisible, yet copied with the line and counted "
                            "in its width"));
            if (kind >= 0) {
                if (pass.endCounts[size_t(kind)]++ == 0)
                    pass.firstEnds[size_t(kind)] = i;
                pass.lineStarts.push_back(i + 1);
            }
            contentEnd = i + 1;
            over = -1;
            columns = 0;
            continue;
        }
        const QChar ch = text.at(i);
        if (pass.ansi && ch == pass.escape && i + 1 < text.size() && text.at(i + 1) == u'[') {
            i = skipEscape(text, i, columns) - 1;
            contentEnd = i + 1;
            continue;
        }
        if (!ch.isLowSurrogate())
            columns += ch == u'\t' ? TabWidth - columns % TabWidth : 1;
        if (columns > pass.width && over < 0)
            over = i;
        if (!isBlank(ch))
            contentEnd = i + 1;
        checkCharacter(pass, i);
    }
}

void NfoChecker::checkCharacter(Pass& pass, qsizetype at)
{
    const QChar ch = pass.text.at(at);
    if (ch == u'\t')
        pass.add(Kind::Tab, at, 1,
                 tr("tab: viewers expand it to different widths, so what follows shifts"));
    else if (ch == u'\0')
        pass.add(Kind::Nul, at, 1,
                 tr("NUL: many viewers end the text here or leave out the rest of the line"));
    else if (ch == pass.ctrlZ && at + 1 < pass.text.size())
        pass.add(Kind::CtrlZ, at, 1,
                 tr("Ctrl-Z inside the text: DOS viewers stop reading here and hide the rest"));
    else if (ch == kReplacement && !pass.cp437)
        pass.add(Kind::Replacement, at, 1,
                 tr("replacement character: a program that could not read the text put it "
                    "where a character was lost"));
}

void NfoChecker::checkLineEnds(Pass& pass)
{
    const auto& counts = pass.endCounts;
    const int majority = int(std::max_element(counts.begin(), counts.end()) - counts.begin());
    for (int kind = 0; kind < LineEnd::Count; ++kind) {
        const int count = counts[size_t(kind)];
        if (kind == majority || count == 0)
            continue;
        const QString others = tr("%1 on %2 lines: viewers show extra blank lines or run "
                                  "lines together")
                                   .arg(lineEndName(majority))
                                   .arg(counts[size_t(majority)]);
        pass.add(Kind::MixedLineEnds, pass.firstEnds[size_t(kind)], 1,
                 count == 1 ? tr("line end %1 here, %2").arg(lineEndName(kind), others)
                            : tr("line ends %1 here and on %2 more lines, %3")
                                  .arg(lineEndName(kind))
                                  .arg(count - 1)
                                  .arg(others));
    }
}

void NfoChecker::checkEnd(Pass& pass)
{
    const qsizetype end = textEnd(pass.text, pass.ctrlZ);
    if (end == 0 || LineEnd::isLineEnd(pass.text.at(end - 1)))
        return;
    pass.add(Kind::NoFinalLineEnd, end, 0,
             tr("no line end after the last line: programs that add to the file or count its "
                "lines join it to the next text or leave it out"));
}

void NfoChecker::checkTrailer(Pass& pass, qint64 contentSize)
{
    const auto sauce = SauceRecord::read(pass.opened.trailer);
    if (!sauce)
        return;
    const qsizetype end = pass.text.size();
    if (sauce->damaged)
        pass.add(Kind::SauceDamaged, end, 0,
                 tr("damaged SAUCE record: viewers show its bytes as text at the end, or read "
                    "wrong fields from it"));
    else if (sauce->fileSize != contentSize)
        pass.add(Kind::SauceFileSize, end, 0,
                 tr("the SAUCE record gives the text as %1 bytes, but it has %2: viewers that "
                    "go by the record cut the text short or show the record as text")
                     .arg(sauce->fileSize)
                     .arg(contentSize));
}

void NfoChecker::checkAddresses(Pass& pass)
{
    for (const LinkFinder::Link& link : LinkFinder::find(pass.text)) {
        const QString fault = AddressForm::fault(link.address);
        if (!fault.isEmpty())
            pass.add(Kind::BrokenAddress, link.start, link.length,
                     tr("address %1 cannot be opened as written: %2")
                         .arg(pass.text.mid(link.start, link.length), fault));
    }
}

void NfoChecker::checkPunctuation(Pass& pass)
{
    if (pass.opened.encoding.kind != TextEncoding::Cp437)
        return;
    for (const Windows1252Punctuation::Found& found : Windows1252Punctuation::find(pass.text))
        pass.add(Kind::Punctuation, found.at, 1,
                 tr("Windows-1252 punctuation in a code page 437 file: viewers show the letter "
                    "%1 where %2 was meant")
                     .arg(found.letter)
                     .arg(found.lookAlike));
}

int NfoChecker::majorityLineEnd(const QString& display)
{
    std::array<int, LineEnd::Count> counts{};
    for (const QChar ch : display) {
        const int kind = LineEnd::kindOf(ch);
        if (kind >= 0)
            ++counts[size_t(kind)];
    }
    return int(std::max_element(counts.begin(), counts.end()) - counts.begin());
}

QString NfoChecker::kindName(Kind kind)
{
    switch (kind) {
    case Kind::WideLine:
        return QStringLiteral("wide-line");
    case Kind::Tab:
        return QStringLiteral("tab");
    case Kind::Nul:
        return QStringLiteral("nul");
    case Kind::CtrlZ:
        return QStringLiteral("ctrl-z");
    case Kind::ByteOrderMark:
        return QStringLiteral("byte-order-mark");
    case Kind::Replacement:
        return QStringLiteral("replacement-character");
    case Kind::Punctuation:
        return QStringLiteral("windows-1252-punctuation");
    case Kind::MixedLineEnds:
        return QStringLiteral("mixed-line-ends");
    case Kind::NoFinalLineEnd:
        return QStringLiteral("no-final-line-end");
    case Kind::TrailingBlanks:
        return QStringLiteral("trailing-blanks");
    case Kind::SauceFileSize:
        return QStringLiteral("sauce-file-size");
    case Kind::SauceDamaged:
        return QStringLiteral("sauce-damaged");
    case Kind::BrokenAddress:
        return QStringLiteral("broken-address");
    }
    return QString();
}

bool NfoChecker::hasFix(Kind kind, const QString& display)
{
    switch (kind) {
    case Kind::MixedLineEnds:
    case Kind::Punctuation:
    case Kind::NoFinalLineEnd:
    case Kind::SauceFileSize:
        return true;
    case Kind::TrailingBlanks:
        return !isAnsi(display);
    default:
        return false;
    }
}

QString NfoChecker::fixName(Kind kind)
{
    switch (kind) {
    case Kind::MixedLineEnds:
        return tr("Make every line end alike");
    case Kind::Punctuation:
        return tr("Replace Windows-1252 punctuation with ASCII");
    case Kind::NoFinalLineEnd:
        return tr("Add a line end at the end");
    case Kind::TrailingBlanks:
        return tr("Remove trailing blanks");
    case Kind::SauceFileSize:
        return tr("Correct the SAUCE file size");
    default:
        return QString();
    }
}

QList<NfoChecker::Edit> NfoChecker::fix(Kind kind, const QString& display,
                                        const FileEncoding& encoding)
{
    QList<Edit> edits;
    const QChar majority = LineEnd::character(majorityLineEnd(display));
    if (kind == Kind::MixedLineEnds) {
        for (qsizetype i = display.size() - 1; i >= 0; --i) {
            if (LineEnd::isLineEnd(display.at(i)) &&
                LineEnd::kindOf(display.at(i)) != LineEnd::kindOf(majority))
                edits.append({i, 1, QString(majority)});
        }
    } else if (kind == Kind::TrailingBlanks && !isAnsi(display)) {
        for (qsizetype end = display.size(); end >= 0;) {
            qsizetype start = end;
            while (start > 0 && isBlank(display.at(start - 1)))
                --start;
            if (start < end)
                edits.append({start, end - start, QString()});
            while (start > 0 && !LineEnd::isLineEnd(display.at(start - 1)))
                --start;
            end = start - 1;
        }
    } else if (kind == Kind::Punctuation && encoding.kind == TextEncoding::Cp437) {
        const auto found = Windows1252Punctuation::find(display);
        for (auto it = found.rbegin(); it != found.rend(); ++it)
            edits.append({it->at, 1, it->lookAlike});
    } else if (kind == Kind::NoFinalLineEnd) {
        const bool cp437 = encoding.textKind() == TextEncoding::Cp437;
        const qsizetype end = textEnd(display, cp437 ? QChar(kCp437CtrlZ) : QChar(u'\x1A'));
        if (end > 0 && !LineEnd::isLineEnd(display.at(end - 1)))
            edits.append({end, 0, QString(majority)});
    }
    return edits;
}

QString NfoChecker::applied(QString display, const QList<Edit>& edits)
{
    // Built in one pass from the first edit to the last, so that thousands of edits cost one
    // copy of the text.
    QString result;
    result.reserve(display.size());
    qsizetype from = 0;
    for (auto it = edits.rbegin(); it != edits.rend(); ++it) {
        result += QStringView(display).mid(from, it->start - from);
        result += it->text;
        from = it->start + it->length;
    }
    result += QStringView(display).mid(from);
    return result;
}

QByteArray NfoChecker::fixedTrailer(const QByteArray& trailer, qint64 contentSize)
{
    return SauceTrailer::withFileSize(trailer, quint32(qBound<qint64>(0, contentSize, 0xFFFFFFFF)));
}

bool NfoChecker::isAnsi(const QString& display)
{
    return display.contains(QStringView(u"\u2190[")) || display.contains(QStringView(u"\x1B["));
}
