#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

// A ready pair of document colours the colour window offers, as stored colour values.
class ColourPreset
{
public:
    // The presets in the order offered: the designed black on white first, then the dark ones.
    static const std::vector<ColourPreset>& all();

    // The preset's name in the user's language.
    QString name() const;

    const char* sourceName; // untranslated, in the "ColourPreset" context
    qint32 text;
    qint32 background;
};
