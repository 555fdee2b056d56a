#include "StoredAppearance.h"

#include "ColourValue.h"
#include "FontSizes.h"
#include "settings/ProgramSettings.h"
#include "settings/SettingKeys.h"

StoredAppearance StoredAppearance::read(const ProgramSettings& settings)
{
    StoredAppearance stored;
    stored.textColour = ColourValue::fromText(settings.read(SettingKeys::TextColour));
    stored.backgroundColour = ColourValue::fromText(settings.read(SettingKeys::BackgroundColour));
    const QString face = QString::fromUtf8(settings.read(SettingKeys::FontName)).trimmed();
    const auto points = FontSizes::points(QString::fromUtf8(settings.read(SettingKeys::FontSize)));
    if (!face.isEmpty() && points) {
        stored.fontFace = face;
        stored.fontPoints = points;
    }
    return stored;
}
