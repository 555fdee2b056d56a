#pragma once

#include "TextEncoding.h"

#include <QString>

// Names the first character of a text that a document cannot hold.
class RefusedCharacter
{
public:
    // The whole first character that the encoding cannot hold (both halves of a surrogate
    // pair), or "" when it can hold every character of the text.
    static QString first(const QString& text, TextEncoding::Kind kind = TextEncoding::Cp437);
    // For a file's encoding: a repaired reading holds what CP437 holds.
    static QString first(const QString& text, const FileEncoding& encoding)
    {
        return first(text, encoding.textKind());
    }
};
