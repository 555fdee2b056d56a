#include "ColourPreset.h"

#include "ColourValue.h"

#include <QCoreApplication>

const std::vector<ColourPreset>& ColourPreset::all()
{
    // Amber and green as the phosphors of the old monitors, blue as the DOS editors' blue.
    static const std::vector<ColourPreset> presets = {
        {QT_TRANSLATE_NOOP("ColourPreset", "Black on white"), ColourValue::fromRgb(0, 0, 0),
         ColourValue::White},
        {QT_TRANSLATE_NOOP("ColourPreset", "Light grey on black"),
         ColourValue::fromRgb(0xC0, 0xC0, 0xC0), ColourValue::fromRgb(0, 0, 0)},
        {QT_TRANSLATE_NOOP("ColourPreset", "Amber on black"),
         ColourValue::fromRgb(0xFF, 0xB0, 0x00), ColourValue::fromRgb(0, 0, 0)},
        {QT_TRANSLATE_NOOP("ColourPreset", "Green on black"),
         ColourValue::fromRgb(0x33, 0xFF, 0x33), ColourValue::fromRgb(0, 0, 0)},
        {QT_TRANSLATE_NOOP("ColourPreset", "White on blue"), ColourValue::White,
         ColourValue::fromRgb(0x00, 0x00, 0xAA)},
    };
    return presets;
}

QString ColourPreset::name() const
{
    return QCoreApplication::translate("ColourPreset", sourceName);
}
