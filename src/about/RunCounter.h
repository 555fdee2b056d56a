#pragma once

#include <QString>

// The run counter kept in the per-user store: a decimal count as text.
class RunCounter
{
public:
    // The stored text plus one: the number at the start of the text (blanks skipped, an
    // optional sign, digits up to the first other character; no number counts as 0) increased
    // by one and written as plain decimal digits. The arithmetic is done on the digits, so a
    // count of any length goes up by one instead of overflowing.
    static QString increased(const QString& stored);
};
