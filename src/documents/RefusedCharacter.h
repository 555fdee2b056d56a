#pragma once

#include <QString>

// Names the first character of a text that the document cannot hold.
class RefusedCharacter
{
public:
    // The whole first character without a code (both halves of a surrogate pair), or "" when
    // every character of the text has one.
    static QString first(const QString& text);
};
