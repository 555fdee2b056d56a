#pragma once

#include <QString>

// One row of a template's substitution table: the placeholder, the form field that fills it,
// the field text that counts as left empty, and what goes in then.
struct PlaceholderRule
{
    QString sourceField; // the field's object name
    QByteArray placeholder;
    QString emptyValue;
    QByteArray defaultText;
};
