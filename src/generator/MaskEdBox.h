#pragma once

#include <QLineEdit>

// A box that takes digits in the "#" positions of its mask and keeps the mask's other
// characters as fixed literals; an unfilled position shows "_". Its text is what it shows,
// literals and "_" included: an untouched date box reads "__/__/____".
class MaskEdBox : public QLineEdit
{
    Q_OBJECT

public:
    // `mask` in the form "##/##/####": "#" a digit, anything else a literal.
    explicit MaskEdBox(const QString& mask, QWidget* parent = nullptr);

    QString maskedText() const { return displayText(); }
    // The first digit position not yet filled, or -1 when every one is.
    int firstEmptyPosition() const;

protected:
    // A click anywhere puts the caret at the first empty position, where typing goes on: a
    // caret after the mask would drop every digit typed.
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString m_mask;
};
