#include "DesignedScale.h"

#include <QFontInfo>
#include <QFrame>
#include <QGroupBox>
#include <QTabWidget>
#include <QWidget>
#include <cmath>

namespace {

// The places were designed for the desktop's usual 9-point font on a 96 dots-per-inch screen:
// 12 pixels.
constexpr double kDesignedPixels = 12.0;

// A plain container whose children the window placed itself.
bool holdsPlacedControls(const QWidget* widget)
{
    const QMetaObject* type = widget->metaObject();
    return !widget->layout() &&
           (type == &QWidget::staticMetaObject || type == &QFrame::staticMetaObject ||
            type == &QGroupBox::staticMetaObject);
}

} // namespace

DesignedScale::DesignedScale(const QFont& font)
    : m_factor(qMax(1.0, QFontInfo(font).pixelSize() / kDesignedPixels))
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
