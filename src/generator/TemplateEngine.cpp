#include "TemplateEngine.h"

#include "FramedFill.h"
#include "documents/DocumentCodec.h"
#include "documents/RefusedCharacter.h"
#include "product/ProductInfo.h"

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

void TemplateEngine::FillPlaceholder(QByteArray& text, const PlaceholderRule& rule,
                                     const Field& field, qsizetype width, QByteArray& spare)
{
    const QByteArray& replacement = field.text == rule.emptyValue ? rule.defaultText : field.codes;
    if (FramedFill::fill(text, rule.placeholder, replacement, width, spare))
        text.swap(spare);
}

QByteArray TemplateEngine::generate(const QByteArray& templateBytes,
                                    const QList<PlaceholderRule>& rules, const Fields& fields,
                                    bool linkAllowed)
{
    QByteArray text = AppendCredit(LoadTemplate(templateBytes), linkAllowed);
    const qsizetype width = FramedFill::widestLine(text);
    // Two buffers take turns as the text of one step and the next, so that a large template
    // costs two allocations however many rows there are.
    QByteArray spare;
    for (const PlaceholderRule& rule : rules)
        FillPlaceholder(text, rule, fields.value(rule.sourceField, Field{rule.emptyValue, {}}),
                        width, spare);
    return text;
}

QString TemplateEngine::readField(const QString& text, Field& field)
{
    const QString refused = RefusedCharacter::first(text);
    if (!refused.isEmpty())
        return refused;
    field.text = text;
    field.codes = DocumentCodec::fromForeignText(text);
    return QString();
}

bool TemplateEngine::isLinkAllowed(const QString& stored)
{
    return stored == QLatin1String("yes");
}
