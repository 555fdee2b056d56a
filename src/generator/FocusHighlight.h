#pragma once

#include <QObject>

class QWidget;

// Paints a form field yellow while it has the keyboard focus, and in the system's window
// background otherwise, so that the box being typed into stands out among many alike.
class FocusHighlight : public QObject
{
    Q_OBJECT

public:
    // The highlight lives as long as the field.
    static void install(QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FocusHighlight(QObject* parent) : QObject(parent) {}
};
