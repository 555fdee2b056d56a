#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

// Puts a control into its window as the window's design gives it: under its designed name,
// which tests and the rest of the program find it by, at its designed place in pixels.
class DesignedControl
{
public:
    template <class Control>
    static Control* place(Control* control, QWidget* parent, const char* name, const QRect& rect)
    {
        control->setParent(parent);
        control->setObjectName(QString::fromLatin1(name));
        control->setGeometry(rect);
        return control;
    }
};
