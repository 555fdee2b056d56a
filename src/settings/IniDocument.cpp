#include "IniDocument.h"

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArray trimmed(const QByteArray& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

bool isQuote(char c)
{
    return c == '"' || c == '\'';
}

bool hasOuterQuotes(const QByteArray& value)
{
    return value.size() >= 2 && isQuote(value.front()) && value.back() == value.front();
}

bool sameName(const QByteArray& a, const QByteArray& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The section name of a header line, or nothing when the line is not a header.
std::optional<QByteArray> headerName(const QByteArray& line)
{
    const QByteArray text = trimmed(line);
    if (!text.startsWith('['))
        return std::nullopt;
    const qsizetype close = text.indexOf(']');
    return trimmed(text.mid(1, close < 0 ? -1 : close - 1));
}

struct Pair
{
    QByteArray key;
    QByteArray value;
};

std::optional<Pair> keyValue(const QByteArray& line)
{
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return std::nullopt;
    QByteArray value = trimmed(line.mid(equals + 1));
    if (hasOuterQuotes(value))
        value = value.mid(1, value.size() - 2);
    return Pair{trimmed(line.left(equals)), value};
}

QByteArray encodedValue(const QByteArray& value)
{
    const bool outerBlank = !value.isEmpty() && (isBlank(value.front()) || isBlank(value.back()));
    if (outerBlank || hasOuterQuotes(value))
        return '"' + value + '"';
    return value;
}

} // namespace

IniDocument IniDocument::parse(const QByteArray& bytes)
{
    IniDocument doc;
    if (bytes.isEmpty())
        return doc;
    doc.m_lines = bytes.split('\n');
    if (bytes.endsWith('\n'))
        doc.m_lines.removeLast();
    for (QByteArray& line : doc.m_lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return doc;
}

QByteArray IniDocument::content(int line) const
{
    const QByteArray& text = m_lines.at(line);
    return line == 0 && text.startsWith(kUtf8Bom) ? text.mid(kUtf8Bom.size()) : text;
}

std::optional<IniDocument::Range> IniDocument::findSection(const QByteArray& section) const
{
    const QByteArray wanted = trimmed(section);
    const int count = static_cast<int>(m_lines.size());
    for (int i = 0; i < count; ++i) {
        const auto name = headerName(content(i));
        if (!name || !sameName(*name, wanted))
            continue;
        int end = i + 1;
        while (end < count && !headerName(content(end)))
            ++end;
        return Range{i, end};
    }
    return std::nullopt;
}

int IniDocument::findKey(const Range& range, const QByteArray& key) const
{
    const QByteArray wanted = trimmed(key);
    for (int i = range.header + 1; i < range.end; ++i) {
        const auto pair = keyValue(content(i));
        if (pair && sameName(pair->key, wanted))
            return i;
    }
    return -1;
}

std::optional<QByteArray> IniDocument::value(const QByteArray& section, const QByteArray& key) const
{
    const auto range = findSection(section);
    if (!range)
        return std::nullopt;
    const int line = findKey(*range, key);
    if (line < 0)
        return std::nullopt;
    return keyValue(content(line))->value;
}

std::optional<QList<QByteArray>> IniDocument::keys(const QByteArray& section) const
{
    const auto range = findSection(section);
    if (!range)
        return std::nullopt;
    QList<QByteArray> names;
    for (int i = range->header + 1; i < range->end; ++i) {
        if (const auto pair = keyValue(content(i)))
            names.append(pair->key);
    }
    return names;
}

void IniDocument::setValue(const QByteArray& section, const QByteArray& key,
                           const QByteArray& value)
{
    const QByteArray line = trimmed(key) + '=' + encodedValue(value);
    const auto range = findSection(section);
    if (!range) {
        m_lines.append('[' + trimmed(section) + ']');
        m_lines.append(line);
        return;
    }
    const int existing = findKey(*range, key);
    if (existing >= 0) {
        m_lines[existing] = line;
        return;
    }
    // After the section's last non-blank line, so that a blank line before the next section
    // stays where it was.
    int insertAt = range->end;
    while (insertAt > range->header + 1 && trimmed(m_lines.at(insertAt - 1)).isEmpty())
        --insertAt;
    m_lines.insert(insertAt, line);
}

QByteArray IniDocument::serialize() const
{
    QByteArray bytes;
    for (const QByteArray& line : m_lines)
        bytes.append(line).append("\r\n");
    return bytes;
}

bool IniDocument::isStorable(const QByteArray& text)
{
    return !text.contains('\r') && !text.contains('\n') && !text.contains('\0');
}

bool IniDocument::isSectionName(const QByteArray& name)
{
    return isStorable(name) && !name.contains(']');
}

bool IniDocument::isKeyName(const QByteArray& name)
{
    return isStorable(name) && !name.contains('=') && !trimmed(name).startsWith('[');
}
