#include "DesignedScale.h"

#include <QFontInfo>
#include <QFrame>
#include <QGroupBox>
#include <QTabWidget>
#include <QWidget>
#include <cmath>

namespace {

// The places were designed on a screen of 96 dots per inch: a point is 96 / 72 pixels there.
constexpr double kDesignedPixelsPerPoint = 96.0 / 72.0;

// A plain container whose children the window placed itself.
bool holdsPlacedControls(const QWidget* widget)
{
    const QMetaObject* type = widget->metaObject();
    return !widget->layout() &&
           (type == &QWidget::staticMetaObject || type == &QFrame::staticMetaObject ||
            type == &QGroupBox::staticMetaObject);
}

} // namespace

DesignedScale::DesignedScale(const QFont& font, double designedPoints)
    : m_factor(qMax(1.0, QFontInfo(font).pixelSize() / (designedPoints * kDesignedPixelsPerPoint)))
{
}

int DesignedScale::length(int designed) const
{
    return int(std::lround(designed * m_factor));
}

QSize DesignedScale::size(QSize designed) const
{
    return QSize(length(designed.width()), length(designed.height()));
}

QRect DesignedScale::rect(const QRect& designed) const
{
    // Edges scale, so that controls that touch as designed still touch.
    const int left = length(designed.left());
    const int top = length(designed.top());
    return QRect(left, top, length(designed.left() + designed.width()) - left,
                 length(designed.top() + designed.height()) - top);
}

QFont DesignedScale::font(QFont designed) const
{
    // In pixels: the factor holds the screen's resolution already.
    designed.setPixelSize(
        int(std::lround(designed.pointSizeF() * kDesignedPixelsPerPoint * m_factor)));
    return designed;
}

void DesignedScale::applyTo(QWidget* client) const
{
    if (m_factor > 1.0)
        placeChildren(client);
}

void DesignedScale::placeChildren(QWidget* parent) const
{
    for (QObject* child : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow())
            continue;
        widget->setGeometry(rect(widget->geometry()));
        if (holdsPlacedControls(widget))
            placeChildren(widget);
        else if (auto* tabs = qobject_cast<QTabWidget*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                placeChildren(tabs->widget(i));
    }
}
