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
        // A SAUCE record at the end (with its comments and the Ctrl-Z before it): kept apart
        // from the text, never shown or edited, written back as it was.
        QByteArray trailer;
    };

    // Detects the encoding of the text before any SAUCE record: a UTF-16 mark gives UTF-16,
    // a UTF-8 mark UTF-8; without a mark, text that is wholly valid UTF-8 with at least one
    // character beyond ASCII is UTF-8. Only an encoding in which all of the text decodes
    // counts; anything else is code page 437, in which every text decodes.
    static Opened open(const QByteArray& fileBytes);

    // The same bytes read in another encoding (with its mark when they start with it), or
    // nothing when they do not decode in it without loss.
    static std::optional<Opened> reinterpret(const QByteArray& fileBytes, TextEncoding::Kind kind);

    // The bytes of a file: the mark when the encoding has one, the display text encoded, then
    // the trailer.
    static QByteArray save(const QString& display, const FileEncoding& encoding,
                           const QByteArray& trailer = QByteArray());

private:
    static Opened openText(const QByteArray& text);
};
