#include "ClearAnswer.h"

std::optional<int> ClearAnswer::keyNumber(const QString& answer)
{
    const QString digits = answer.trimmed();
    if (digits.isEmpty())
        return std::nullopt;
    int value = 0;
    for (const QChar ch : digits) {
        // Only the ASCII digits: other scripts' digits are not a plain decimal number.
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return std::nullopt;
        // Past the last key already; stop before a long run of digits can overflow.
        if (value > LastKey)
            return std::nullopt;
        value = value * 10 + (ch.unicode() - u'0');
    }
    if (value < FirstKey || value > LastKey)
        return std::nullopt;
    return value;
}
