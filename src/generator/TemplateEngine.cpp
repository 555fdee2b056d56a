#include "TemplateEngine.h"

#include "app/ProductInfo.h"
#include "documents/NfoFormat.h"

QByteArray TemplateEngine::LoadTemplate(const QByteArray& fileBytes)
{
    return NfoFormat::documentText(fileBytes);
}

QByteArray TemplateEngine::AppendCredit(const QByteArray& text, bool linkAllowed)
{
    if (!linkAllowed)
        return text;
    return text + "\r\n" + QByteArray(77, '*') + "\r\n" +
           "       Created with Quilra - get your free copy - " +
           ProductInfo::WebAddress.toLatin1();
}

QByteArray TemplateEngine::FillPlaceholder(const QByteArray& text, const QByteArray& placeholder,
                                           const Field& field, const QString& emptyValue,
                                           const QByteArray& defaultText)
{
    if (placeholder.isEmpty())
        return text;
    const QByteArray& replacement = field.text == emptyValue ? defaultText : field.codes;
    QByteArray result;
    qsizetype from = 0;
    qsizetype found = text.indexOf(placeholder, from);
    if (found < 0)
        return text;
    result.reserve(text.size());
    while (found >= 0) {
        result.append(text.constData() + from, found - from).append(replacement);
        from = found + placeholder.size();
        found = text.indexOf(placeholder, from);
    }
    result.append(text.constData() + from, text.size() - from);
    return result;
}

QByteArray TemplateEngine::generate(const QByteArray& templateBytes,
                                    const QList<PlaceholderRule>& rules, const Fields& fields,
                                    bool linkAllowed)
{
    QByteArray text = AppendCredit(LoadTemplate(templateBytes), linkAllowed);
    for (const PlaceholderRule& rule : rules) {
        const Field field = fields.value(rule.sourceField, Field{rule.emptyValue, {}});
        text = FillPlaceholder(text, rule.placeholder, field, rule.emptyValue, rule.defaultText);
    }
    return text;
}

bool TemplateEngine::isLinkAllowed(const QString& stored)
{
    return stored == QLatin1String("yes");
}
