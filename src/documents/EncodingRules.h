#pragma once

#include "TextEncoding.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The rules by which a file's bytes choose their reading when it opens. Each rule only picks
// among readings that give the bytes back exactly; none of them changes a byte.
class EncodingRules
{
public:
    // FF FE or FE FF is a UTF-16 mark only when what follows it reads as UTF-16 text: it
    // decoded (even length, no unpaired surrogate) into `display`, at least 90 % of its
    // characters are printable, and the line ends are UTF-16 ones: a text without any, whose
    // bytes hold a CR or LF byte, is 8-bit text with its own line ends. `bytes` follow the mark.
    static bool isPlausibleUtf16(const QString& display, const QByteArray& bytes);

    // Text in Windows-1252 rather than CP437: it holds a byte from 80 up, and each such byte is
    //  - a Latin letter (C0-FF but x and division, or oe) with an ASCII letter right beside it,
    //    and one of C0-DF has no byte from B0 to DF beside it (CP437 draws with those), or
    //  - typographic punctuation (euro, low and curly quotes, ellipsis, bullet, dashes, TM)
    //    that is not inside a word, where CP437 has its accented letters (the apostrophe 92
    //    may be), or
    //  - an inverted question or exclamation mark that starts a word.
    // CP437 art fails at once: its shade, block and box codes come in runs or stand apart.
    static bool isWindows1252Text(const QByteArray& text);

    // Whether CP437 codes are art: a run of four drawing codes (shade, block and box, B0-DF)
    // and at least twice as many drawing codes as other codes from 80 up. A text of accented
    // letters, or of Latin-1 ornaments such as "°º¤ø,¸¸,ø¤º°", that a wrong repair would give
    // is never that.
    static bool looksLikeArt(const QByteArray& codes);

    // The repair of a Unicode reading (`display`, read as `plain`) that is CP437 art misread as
    // Windows-1252, else as Latin-1: every character is in the code page, and the codes it was
    // read from, or the codes of the UTF-8 text those make (misread twice), look like art.
    static std::optional<FileEncoding> misreadArt(const QString& display,
                                                  const FileEncoding& plain);
};
