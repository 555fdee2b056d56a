#include "ColourValue.h"

std::optional<qint32> ColourValue::fromText(const QByteArray& text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok, 10);
    if (!ok || value < 0 || value > White)
        return std::nullopt;
    return static_cast<qint32>(value);
}

QByteArray ColourValue::toText(qint32 value)
{
    return QByteArray::number(value);
}

qint32 ColourValue::fromRgb(int red, int green, int blue)
{
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}
