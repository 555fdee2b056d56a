#include "FocusHighlight.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

void FocusHighlight::install(QWidget* field)
{
    field->installEventFilter(new FocusHighlight(field));
}

bool FocusHighlight::eventFilter(QObject* watched, QEvent* event)
{
    const bool in = event->type() == QEvent::FocusIn;
    if (in || event->type() == QEvent::FocusOut) {
        auto* field = static_cast<QWidget*>(watched);
        QPalette palette = field->palette();
        palette.setColor(QPalette::Base, in ? QColor(255, 255, 0)
                                            : QApplication::palette(field).color(QPalette::Base));
        field->setPalette(palette);
    }
    return QObject::eventFilter(watched, event);
}
