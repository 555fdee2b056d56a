#include "FontSizes.h"

#include <cmath>

QStringList FontSizes::shownExactly(const std::function<double(int)>& realise)
{
    QStringList shown;
    for (const int size : Candidates) {
        // Realised sizes are whole pixels converted to points; compare to the hundredth so that
        // a conversion's rounding error does not drop a size that is really there.
        if (std::lround(realise(size) * 100.0) == size * 100L)
            shown.append(QString::number(size));
    }
    return shown;
}

std::optional<double> FontSizes::points(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value <= 0.0 || value > MaxPoints)
        return std::nullopt;
    return value;
}
