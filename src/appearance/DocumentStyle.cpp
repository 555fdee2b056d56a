#include "DocumentStyle.h"

#include "QtColour.h"
#include "StoredAppearance.h"
#include "ui/Form1.h"

void DocumentStyle::applyStored(Form1& document, const ProgramSettings& settings)
{
    const StoredAppearance stored = StoredAppearance::read(settings);
    const auto colour = [](const std::optional<qint32>& value) {
        return value ? QtColour::fromValue(*value) : QColor();
    };
    document.setDocumentColours(colour(stored.textColour), colour(stored.backgroundColour));
    if (stored.fontPoints)
        document.setDocumentFont(stored.fontFace, *stored.fontPoints);
}
