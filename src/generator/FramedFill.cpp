#include "FramedFill.h"

#include "PlaceholderScan.h"

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

// The line's text with each of its occurrences replaced as it stands.
QByteArray replaced(const QByteArray& text, qsizetype start, qsizetype end,
                    QList<PlaceholderScan::Occurrence>::const_iterator occurrence,
                    QList<PlaceholderScan::Occurrence>::const_iterator last,
                    const QList<FramedFill::Substitution>& substitutions)
{
    QByteArray line;
    for (; occurrence != last; ++occurrence) {
        line.append(text.constData() + start, occurrence->start - start)
            .append(substitutions.at(occurrence->index).replacement);
        start = occurrence->start + occurrence->size;
    }
    return line.append(text.constData() + start, end - start);
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

QByteArray FramedFill::fill(const QByteArray& text, const QList<Substitution>& substitutions,
                            qsizetype width)
{
    QList<QByteArray> placeholders;
    for (const Substitution& substitution : substitutions)
        placeholders.append(substitution.placeholder);
    const QList<PlaceholderScan::Occurrence> found = PlaceholderScan::find(text, placeholders);
    if (found.isEmpty())
        return text;
    QByteArray out;
    out.reserve(text.size() + text.size() / 4);
    const char* data = text.constData();
    qsizetype copied = 0;
    for (auto first = found.cbegin(); first != found.cend();) {
        // The line around the occurrence, grown over every further occurrence that starts on
        // it (or on the lines an occurrence that spans a line break joins). Whatever was
        // copied ends at a line break (or is nothing), so the search back stops there.
        Line line{first->start, first->start + first->size};
        while (line.start > copied && !isBreak(data[line.start - 1]))
            --line.start;
        auto last = first + 1;
        for (;;) {
            while (line.end < text.size() && !isBreak(data[line.end]))
                ++line.end;
            if (last == found.cend() || last->start >= line.end)
                break;
            line.end = qMax(line.end, last->start + last->size);
            ++last;
        }
        out.append(data + copied, line.start - copied);

        const qsizetype end = first->start + first->size;
        const QByteArrayView before(data + line.start, first->start - line.start);
        const QByteArrayView after(data + end, line.end - end);
        const QByteArrayView placeholder(data + first->start, first->size);
        if (last == first + 1 && !hasBreak(placeholder) && isFrame(before) && isFrame(after))
            appendFramed(out, before, first->size, after,
                         substitutions.at(first->index).replacement, width);
        else
            appendInline(out, replaced(text, line.start, line.end, first, last, substitutions),
                         before.size(), width);
        copied = line.end;
        first = last;
    }
    out.append(data + copied, text.size() - copied);
    return out;
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
