#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <optional>

// A colour as stored: red + 256 x green + 65536 x blue, each component 0 to 255, written as
// decimal text.
class ColourValue
{
public:
    static constexpr qint32 White = 0xFFFFFF;

    // The colour a stored text names, or nothing when the text is empty, is not a whole decimal
    // number, or lies outside 0 to 16777215: such a value leaves the colour it would set as
    // it was.
    static std::optional<qint32> fromText(const QByteArray& text);
    static QByteArray toText(qint32 value);

    static qint32 fromRgb(int red, int green, int blue);
    static int red(qint32 value) { return value & 0xFF; }
    static int green(qint32 value) { return (value >> 8) & 0xFF; }
    static int blue(qint32 value) { return (value >> 16) & 0xFF; }
};
