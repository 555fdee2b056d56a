#include "RunCounter.h"

namespace {

// Decimal digits without leading zeros; "" stands for zero.
QString withoutLeadingZeros(const QString& digits)
{
    qsizetype first = 0;
    while (first < digits.size() && digits.at(first) == QLatin1Char('0'))
        ++first;
    return digits.mid(first);
}

QString plusOne(QString digits)
{
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits.at(i) != QLatin1Char('9')) {
            digits[i] = QChar(digits.at(i).unicode() + 1);
            return digits;
        }
        digits[i] = QLatin1Char('0');
    }
    return QLatin1Char('1') + digits;
}

// Requires a non-zero number.
QString minusOne(QString digits)
{
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits.at(i) != QLatin1Char('0')) {
            digits[i] = QChar(digits.at(i).unicode() - 1);
            break;
        }
        digits[i] = QLatin1Char('9');
    }
    return withoutLeadingZeros(digits);
}

} // namespace

QString RunCounter::increased(const QString& stored)
{
    qsizetype i = 0;
    while (i < stored.size() &&
           (stored.at(i) == QLatin1Char(' ') || stored.at(i) == QLatin1Char('\t')))
        ++i;
    bool negative = false;
    if (i < stored.size() &&
        (stored.at(i) == QLatin1Char('-') || stored.at(i) == QLatin1Char('+'))) {
        negative = stored.at(i) == QLatin1Char('-');
        ++i;
    }
    const qsizetype start = i;
    while (i < stored.size() && stored.at(i) >= QLatin1Char('0') &&
           stored.at(i) <= QLatin1Char('9'))
        ++i;
    const QString magnitude = withoutLeadingZeros(stored.mid(start, i - start));
    if (magnitude.isEmpty())
        return QStringLiteral("1");
    if (!negative)
        return plusOne(magnitude);
    const QString smaller = minusOne(magnitude);
    return smaller.isEmpty() ? QStringLiteral("0") : QLatin1Char('-') + smaller;
}
