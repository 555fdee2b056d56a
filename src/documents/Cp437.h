#pragma once

#include <QChar>
#include <QtGlobal>

// The IBM PC code page 437: every 8-bit code of a document and the Unicode character of the
// glyph that code page draws for it. The table is a bijection, so a code shown as its glyph and
// read back from the glyph gives the same code.
class Cp437
{
public:
    // The Unicode character of the glyph for a code.
    static QChar toUnicode(uchar code);

    // The code whose glyph is the character, or -1 when code page 437 has no such glyph.
    static int fromUnicode(QChar ch);
};
