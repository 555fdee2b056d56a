#pragma once

#include "PlaceholderRule.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

// Turns a template and the text of a form's fields into an NFO document. Everything here is
// bytes of code page 437: field text arrives already as codes.
class TemplateEngine
{
public:
    struct Field
    {
        QString text;     // as the field shows it, to compare with the rule's empty value
        QByteArray codes; // the same text as document codes
    };
    using Fields = QHash<QString, Field>;

    // The template's lines, each followed by CR LF: a line ends at CR LF or at a lone CR; a
    // lone LF is an ordinary character of its line, and the last line need not have an end.
    static QByteArray LoadTemplate(const QByteArray& fileBytes);

    // The text, followed by the credit footer when the link is allowed.
    static QByteArray AppendCredit(QByteArray text, bool linkAllowed);

    // What goes in for the rule's placeholder: the field text, or the rule's default text when
    // the field text equals its empty value.
    static const QByteArray& valueOf(const PlaceholderRule& rule, const Field& field);

    // The whole generation: template, footer, then every placeholder of the rules replaced once
    // by its value (FramedFill), no line wider than the widest of the template and its footer.
    // Values go in as written: a value is never searched for placeholders, so a title
    // "A $upper$" stays as it is. A field missing from `fields` counts as empty.
    static QByteArray generate(const QByteArray& templateBytes, const QList<PlaceholderRule>& rules,
                               const Fields& fields, bool linkAllowed);

    // A field of the text as it is typed. Gives the first character that has no code, or ""
    // when the field was made.
    static QString readField(const QString& text, Field& field);

    // Only the exact stored word "yes" allows the credit link.
    static bool isLinkAllowed(const QString& stored);
};
