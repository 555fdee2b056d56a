#pragma once

#include <QByteArray>

// The phrase that opens the hidden greeting when the document holds exactly it and a key is
// typed.
class GreetingPhrase
{
public:
    // The phrase's length in codes; a document of any other length cannot match, which lets
    // a key press skip reading a long document.
    static int length();

    // True when the document's codes are exactly the phrase: same case, no blanks or line
    // breaks around it.
    static bool matches(const QByteArray& codes);
};
