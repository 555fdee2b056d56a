#pragma once

#include "settings/ColourValue.h"

#include <QColor>

// Stored colour values as Qt colours and back.
class QtColour
{
public:
    static QColor fromValue(qint32 value)
    {
        return QColor(ColourValue::red(value), ColourValue::green(value), ColourValue::blue(value));
    }

    static qint32 toValue(const QColor& colour)
    {
        return ColourValue::fromRgb(colour.red(), colour.green(), colour.blue());
    }
};
