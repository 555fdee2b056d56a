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

    // Reads the text before any SAUCE record by the first of these that holds (the rules are
    // EncodingRules'):
    //  1. FF FE or FE FF and plausible UTF-16 after it: UTF-16 with its mark;
    //  2. EF BB BF and valid UTF-8 after it: UTF-8 with its mark;
    //  3. valid UTF-8 with at least one character beyond ASCII: UTF-8;
    //  4. Windows-1252 text (high bytes only Latin letters in words and text punctuation);
    //  5. code page 437, in which every text decodes.
    // A UTF reading whose characters all come from Windows-1252 (or Latin-1) is repaired when
    // undoing that misreading, twice or once, gives CP437 art: the display shows the art.
    static Opened open(const QByteArray& fileBytes);

    // The same bytes read in another encoding (with its mark when they start with it), or
    // nothing when they do not decode in it without loss. Read in a FileEncoding, a repair is
    // made as it says.
    static std::optional<Opened> reinterpret(const QByteArray& fileBytes, TextEncoding::Kind kind);
    static std::optional<Opened> reinterpret(const QByteArray& fileBytes,
                                             const FileEncoding& encoding);

    // The bytes of a file: the mark when the encoding has one, the display text encoded (damaged
    // again for a repaired reading), then the trailer.
    static QByteArray save(const QString& display, const FileEncoding& encoding,
                           const QByteArray& trailer = QByteArray());

private:
    static Opened openText(const QByteArray& text);
    // The Unicode reading of `body` (the bytes after any mark), repaired when it is misread art.
    static Opened repaired(const FileEncoding& plain, const QByteArray& body, QString display);
};
