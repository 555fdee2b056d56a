#include "TemplateEngine.h"

#include "product/ProductInfo.h"

#include <cstring>

QByteArray TemplateEngine::LoadTemplate(const QByteArray& fileBytes)
{
    const qsizetype n = fileBytes.size();
    QByteArray text;
    // Every lone CR grows by one byte, and so may the last line; reserving a little more than
    // the file avoids a reallocation for typical templates.
    text.reserve(n + n / 64 + 2);
    const char* data = fileBytes.constData();
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (data[i] != '\r')
            continue;
        text.append(data + lineStart, i - lineStart).append("\r\n", 2);
        if (i + 1 < n && data[i + 1] == '\n')
            ++i;
        lineStart = i + 1;
    }
    if (lineStart < n)
        text.append(data + lineStart, n - lineStart).append("\r\n", 2);
    return text;
}

namespace {

QByteArray creditFooter()
{
    return "\r\n" + QByteArray(77, '*') + "\r\n" +
           "       Created with Quilra - get your free copy - " +
           ProductInfo::WebAddress.toLatin1();
}

} // namespace

QByteArray TemplateEngine::AppendCredit(QByteArray text, bool linkAllowed)
{
    if (linkAllowed)
        text.append(creditFooter());
    return text;
}

namespace {

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

} // namespace

// Writes the text with every occurrence replaced into `out`, reusing its buffer; false (and
// `out` untouched) when the placeholder does not occur.
bool TemplateEngine::fillInto(const QByteArray& text, const QByteArray& placeholder,
                              const QByteArray& replacement, QByteArray& out)
{
    qsizetype found = placeholder.isEmpty() ? -1 : findFrom(text, placeholder, 0);
    if (found < 0)
        return false;
    out.resize(0);
    out.reserve(text.size() + qMax<qsizetype>(0, replacement.size() - placeholder.size()) * 16);
    qsizetype from = 0;
    while (found >= 0) {
        out.append(text.constData() + from, found - from).append(replacement);
        from = found + placeholder.size();
        found = findFrom(text, placeholder, from);
    }
    out.append(text.constData() + from, text.size() - from);
    return true;
}

void TemplateEngine::FillPlaceholder(QByteArray& text, const PlaceholderRule& rule,
                                     const Field& field, QByteArray& spare)
{
    const QByteArray& replacement = field.text == rule.emptyValue ? rule.defaultText : field.codes;
    if (fillInto(text, rule.placeholder, replacement, spare))
        text.swap(spare);
}

QByteArray TemplateEngine::generate(const QByteArray& templateBytes,
                                    const QList<PlaceholderRule>& rules, const Fields& fields,
                                    bool linkAllowed)
{
    QByteArray text = AppendCredit(LoadTemplate(templateBytes), linkAllowed);
    // Two buffers take turns as the text of one step and the next, so that a large template
    // costs two allocations however many rows there are.
    QByteArray spare;
    for (const PlaceholderRule& rule : rules)
        FillPlaceholder(text, rule, fields.value(rule.sourceField, Field{rule.emptyValue, {}}),
                        spare);
    return text;
}

bool TemplateEngine::isLinkAllowed(const QString& stored)
{
    return stored == QLatin1String("yes");
}
