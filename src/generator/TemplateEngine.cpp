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

const QByteArray& TemplateEngine::valueOf(const PlaceholderRule& rule, const Field& field)
{
    return field.text == rule.emptyValue ? rule.defaultText : field.codes;
}

QByteArray TemplateEngine::generate(const QByteArray& templateBytes,
                                    const QList<PlaceholderRule>& rules, const Fields& fields,
                                    bool linkAllowed)
{
    const QByteArray text = AppendCredit(LoadTemplate(templateBytes), linkAllowed);
    QList<FramedFill::Substitution> substitutions;
    substitutions.reserve(rules.size());
    for (const PlaceholderRule& rule : rules) {
        const auto field = fields.constFind(rule.sourceField);
        substitutions.append({rule.placeholder, field == fields.cend()
                                                    ? rule.defaultText
                                                    : valueOf(rule, field.value())});
    }
    return FramedFill::fill(text, substitutions, FramedFill::widestLine(text));
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
