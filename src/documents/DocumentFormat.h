#pragma once

#include "TextEncoding.h"

#include <QByteArray>
#include <QString>
#include <optional>

// A document's file as a whole: which encoding its bytes are in, and the display text they
// give. Reading and writing keep every byte: a file opened and saved without an edit comes back
// exactly as it was.
class DocumentFormat
{
public:
    struct Opened
    {
        FileEncoding encoding;
        QString display;
    };

    // Detects the encoding: a UTF-16 mark gives UTF-16, a UTF-8 mark UTF-8; without a mark, a
    // file that is wholly valid UTF-8 with at least one character beyond ASCII is UTF-8.
    // Only an encoding in which all of the file decodes counts; anything else is code page
    // 437, in which every file decodes.
    static Opened open(const QByteArray& fileBytes);

    // The same bytes read in another encoding (with its mark when they start with it), or
    // nothing when they do not decode in it without loss.
    static std::optional<Opened> reinterpret(const QByteArray& fileBytes, TextEncoding::Kind kind);

    // The bytes of a file: the mark when the encoding has one, then the display text encoded.
    static QByteArray save(const QString& display, const FileEncoding& encoding);
};
