#pragma once

#include <QFont>
#include <QRect>

class QWidget;

// The designed places of a window's controls, in pixels of the designed dialog font, grown in
// proportion to a larger desktop font, as the designed platform did with large fonts: a font
// of more pixels (more points, or a screen of more dots per inch) gives larger places, so that
// every caption keeps its room. A smaller font keeps the designed places.
class DesignedScale
{
public:
    // The desktop's usual dialog font, for which most windows were laid out.
    static constexpr double kUsualPoints = 9.0;

    // `font` is the desktop's font; `designedPoints` the size of the font the places were laid
    // out for, on a screen of 96 dots per inch.
    explicit DesignedScale(const QFont& font, double designedPoints = kUsualPoints);

    double factor() const { return m_factor; }
    int length(int designed) const;
    QSize size(QSize designed) const;
    QRect rect(const QRect& designed) const;
    // A font of the design, in points of the designed screen, grown by the factor, so that its
    // captions fill their grown places as they filled the designed ones.
    QFont font(QFont designed) const;

    // Moves and sizes the controls placed in `client`, in its group boxes, frames and tab
    // pages, by the factor; controls with a layout of their own keep it.
    void applyTo(QWidget* client) const;

private:
    void placeChildren(QWidget* parent) const;

    double m_factor;
};
