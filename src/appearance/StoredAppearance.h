#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

class ProgramSettings;

// The document's appearance as Settings.ini keeps it. A value that is missing or unusable is
// absent, and the document keeps its designed look for it.
class StoredAppearance
{
public:
    static StoredAppearance read(const ProgramSettings& settings);

    std::optional<qint32> textColour;
    std::optional<qint32> backgroundColour;
    // Both or neither: a face without a usable size, or a size without a face, is no font.
    QString fontFace;
    std::optional<double> fontPoints;
};
