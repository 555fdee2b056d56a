#include "FramedFill.h"

#include <cstring>

namespace {

struct Line
{
    qsizetype start;
    qsizetype end; // at its line break, or the end of the text
};

bool isBreak(char c)
{
    return c == '\r' || c == '\n';
}

bool isBlank(char c)
{
    return c == ' ';
}

bool isLetterOrDigit(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Frames are made of blanks, shades, blocks, box drawing and punctuation: no word in them.
bool isFrame(QByteArrayView text)
{
    for (const char c : text) {
        if (isLetterOrDigit(c))
            return false;
    }
    return true;
}

bool hasBreak(QByteArrayView text)
{
    for (const char c : text) {
        if (isBreak(c))
            return true;
    }
    return false;
}

// The next occurrence of the needle at or after `from`, or -1: memchr finds each candidate
// first byte (a "$" is rare in NFO art), memcmp checks the rest.
qsizetype findFrom(const QByteArray& haystack, const QByteArray& needle, qsizetype from)
{
    const char* begin = haystack.constData();
    const char* end = begin + haystack.size();
    const qsizetype length = needle.size();
    for (const char* at = begin + from; end - at >= length;) {
        const auto* hit = static_cast<const char*>(
            std::memchr(at, needle.front(), size_t(end - at - length + 1)));
        if (!hit)
            return -1;
        if (std::memcmp(hit, needle.constData(), size_t(length)) == 0)
            return hit - begin;
        at = hit + 1;
    }
    return -1;
}

// Appends each occurrence in [from, end) replaced; gives the first occurrence at or after `end`.
qsizetype replaceUpTo(QByteArray& out, const QByteArray& text, const QByteArray& placeholder,
                      QByteArrayView replacement, qsizetype from, qsizetype found, qsizetype end)
{
    while (found >= 0 && found < end) {
        out.append(text.constData() + from, found - from).append(replacement);
        from = found + placeholder.size();
        found = findFrom(text, placeholder, from);
    }
    out.append(text.constData() + from, end - from);
    return found;
}

// Breaks one paragraph (no line break in it) at blanks into lines of at most `width` codes.
void wrapParagraph(QByteArrayView text, qsizetype width, QList<QByteArray>& lines)
{
    QByteArray line;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const qsizetype blanks = i;
        while (i < n && isBlank(text[i]))
            ++i;
        const qsizetype word = i;
        while (i < n && !isBlank(text[i]))
            ++i;
        if (line.size() + (i - blanks) <= width) {
            line.append(text.sliced(blanks, i - blanks));
            continue;
        }
        // The blanks before a word that goes to the next line are dropped with the break.
        QByteArrayView rest = text.sliced(word, i - word);
        if (rest.isEmpty())
            continue;
        if (!line.isEmpty())
            lines.append(line);
        for (; rest.size() > width; rest = rest.sliced(width))
            lines.append(rest.first(width).toByteArray());
        line = rest.toByteArray();
    }
    lines.append(line);
}

} // namespace

qsizetype FramedFill::widestLine(QByteArrayView text)
{
    qsizetype widest = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i == text.size() || isBreak(text[i])) {
            widest = qMax(widest, i - start);
            start = i + 1;
        }
    }
    return widest;
}

QList<QByteArray> FramedFill::wrap(QByteArrayView text, qsizetype width)
{
    width = qMax<qsizetype>(1, width);
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !isBreak(text[i]))
            continue;
        wrapParagraph(text.sliced(start, i - start), width, lines);
        if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    return lines;
}

bool FramedFill::fill(const QByteArray& text, const QByteArray& placeholder,
                      const QByteArray& replacement, qsizetype width, QByteArray& out)
{
    qsizetype found = placeholder.isEmpty() ? -1 : findFrom(text, placeholder, 0);
    if (found < 0)
        return false;
    out.resize(0);
    out.reserve(text.size() + qMax<qsizetype>(0, replacement.size() - placeholder.size()) * 16);
    // A placeholder that spans lines has no line of its own: it is replaced as it stands.
    if (hasBreak(placeholder)) {
        replaceUpTo(out, text, placeholder, replacement, 0, found, text.size());
        return true;
    }
    const char* data = text.constData();
    qsizetype copied = 0;
    while (found >= 0) {
        // The line around the occurrence. Whatever was copied ends at a line break (or is
        // nothing), so the search back stops there.
        Line line{found, found + placeholder.size()};
        while (line.start > copied && !isBreak(data[line.start - 1]))
            --line.start;
        while (line.end < text.size() && !isBreak(data[line.end]))
            ++line.end;
        out.append(data + copied, line.start - copied);

        const qsizetype next = findFrom(text, placeholder, found + placeholder.size());
        const QByteArrayView before(data + line.start, found - line.start);
        const QByteArrayView after(data + found + placeholder.size(),
                                   line.end - found - placeholder.size());
        const bool alone = next < 0 || next >= line.end;
        if (alone && isFrame(before) && isFrame(after)) {
            appendFramed(out, before, placeholder.size(), after, replacement, width);
            found = next;
        } else {
            QByteArray designed;
            found =
                replaceUpTo(designed, text, placeholder, replacement, line.start, found, line.end);
            appendInline(out, designed, before.size(), width);
        }
        copied = line.end;
    }
    out.append(data + copied, text.size() - copied);
    return true;
}

void FramedFill::appendFramed(QByteArray& out, QByteArrayView before, qsizetype placeholderSize,
                              QByteArrayView after, QByteArrayView replacement, qsizetype width)
{
    qsizetype gap = 0;
    while (gap < after.size() && isBlank(after[gap]))
        ++gap;
    // A right part set off by blanks is a border that keeps its column: the blanks are room for
    // the text, all but one, which keeps the text off the border as the template keeps the
    // placeholder, and every line is padded up to it. Otherwise what follows the placeholder
    // (a part that touches it, or blanks alone) goes along with the text.
    const bool border = gap > 0 && gap < after.size();
    const QByteArrayView right = border ? after.sliced(gap - 1) : after;
    const qsizetype lineWidth = border ? before.size() + placeholderSize + after.size() : width;
    const qsizetype room = lineWidth - before.size() - right.size();
    const QList<QByteArray> lines = wrap(replacement, room);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            out.append("\r\n", 2);
        out.append(before).append(lines.at(i));
        if (border)
            out.append(QByteArray(room - lines.at(i).size(), ' '));
        out.append(right);
    }
}

void FramedFill::appendInline(QByteArray& out, QByteArrayView line, qsizetype column,
                              qsizetype width)
{
    if (line.size() <= width) {
        out.append(line);
        return;
    }
    // The replaced line may hold the replacement's own line breaks; each line of it that is too
    // wide is broken, the first under the placeholder's column, the others from their start.
    qsizetype start = 0;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        if (i < line.size() && !isBreak(line[i]))
            continue;
        const QByteArrayView part = line.sliced(start, i - start);
        const qsizetype indent = start == 0 && column < width ? column : 0;
        if (part.size() <= width) {
            out.append(part);
        } else {
            const QList<QByteArray> pieces = wrap(part.sliced(indent), width - indent);
            out.append(part.first(indent)).append(pieces.constFirst());
            for (qsizetype k = 1; k < pieces.size(); ++k)
                out.append("\r\n", 2).append(QByteArray(indent, ' ')).append(pieces.at(k));
        }
        if (i < line.size())
            out.append(line[i]);
        start = i + 1;
    }
}
