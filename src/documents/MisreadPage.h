#pragma once

#include "TextEncoding.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The 8-bit code pages in which programs misread CP437 art: Windows-1252 (whose five undefined
// codes 81, 8D, 8F, 90 and 9D Windows reads as the C1 controls of the same number) and Latin-1.
// Each maps every byte to one character and back, so a misreading can be undone exactly.
class MisreadPage
{
public:
    // Windows-1252's character for a code, or 0 where it defines none (81, 8D, 8F, 90, 9D).
    static char16_t windows1252(uchar code);
    // Windows-1252's code for a character, or -1.
    static int windows1252Code(char16_t u);

    // The code of a character in the page, or -1.
    static int code(char16_t u, TextEncoding::Misread page);

    // The text a program read from the bytes in the code page.
    static QString text(const QByteArray& bytes, TextEncoding::Misread page);
    // The bytes that the text was read from, or nothing when a character is not in the page.
    static std::optional<QByteArray> bytes(const QString& text, TextEncoding::Misread page);
};
