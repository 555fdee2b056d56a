#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

// The font sizes the font window offers, and the reading of a size typed as text.
class FontSizes
{
public:
    // The sizes, in points, that a face is tried at, in the order the size list shows them.
    static constexpr std::array<int, 18> Candidates = {6,  7,  8,  9,  10, 11, 12, 14, 16,
                                                       18, 20, 22, 24, 26, 28, 36, 48, 72};
    // Above this a size is taken as a typing slip rather than a wish: fonts that large cost
    // the renderer more than any screen can show.
    static constexpr double MaxPoints = 1000.0;

    // The candidates, as decimal text, that `realise` gives back unchanged: the sizes a face
    // can really show on this screen. `realise` returns the size the platform realises for a
    // requested size.
    static QStringList shownExactly(const std::function<double(int)>& realise);

    // The size, in points, that a size text names; nothing when the text is empty, is not a
    // decimal number, is not positive or is beyond MaxPoints.
    static std::optional<double> points(const QString& text);
};
