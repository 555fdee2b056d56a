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

    // Replaces every occurrence of the rule's placeholder in `text`, left to right, by the
    // field text, or by the rule's default text when the field text equals its empty value,
    // keeping every line within `width` codes as FramedFill does. What was put in is not
    // searched again. `spare` is a buffer the step may take turns with.
    static void FillPlaceholder(QByteArray& text, const PlaceholderRule& rule, const Field& field,
                                qsizetype width, QByteArray& spare);

    // The whole generation: template, footer, then each rule in order over the whole text, no
    // line wider than the widest of the template and its footer. A field missing from `fields`
    // counts as empty.
    static QByteArray generate(const QByteArray& templateBytes, const QList<PlaceholderRule>& rules,
                               const Fields& fields, bool linkAllowed);

    // A field of the text as it is typed. Gives the first character that has no code, or ""
    // when the field was made.
    static QString readField(const QString& text, Field& field);

    // Only the exact stored word "yes" allows the credit link.
    static bool isLinkAllowed(const QString& stored);
};
