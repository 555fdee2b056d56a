#pragma once

#include <QString>
#include <optional>

// What an answer to the clear prompt names.
class ClearAnswer
{
public:
    static constexpr int FirstKey = 2;
    static constexpr int LastKey = 11;

    // The custom key the answer names: after trimming blanks, a whole decimal number from 2 to
    // 11, leading zeros allowed. Anything else (a sign, a fraction, letters, out of range)
    // names no key.
    static std::optional<int> keyNumber(const QString& answer);
};
