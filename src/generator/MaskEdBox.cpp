#include "MaskEdBox.h"

#include <QMouseEvent>

namespace {

// Qt's mask language: "9" an optional digit, "\\" before a literal that would otherwise mean
// something, ";_" the character shown in unfilled positions.
QString qtMask(const QString& mask)
{
    QString result;
    for (const QChar ch : mask) {
        if (ch == QLatin1Char('#'))
            result.append(QLatin1Char('9'));
        else
            result.append(QLatin1Char('\\')).append(ch);
    }
    return result + QStringLiteral(";_");
}

} // namespace

MaskEdBox::MaskEdBox(const QString& mask, QWidget* parent) : QLineEdit(parent), m_mask(mask)
{
    setInputMask(qtMask(mask));
    setMaxLength(static_cast<int>(mask.size()));
}

int MaskEdBox::firstEmptyPosition() const
{
    const QString shown = displayText();
    for (qsizetype i = 0; i < m_mask.size() && i < shown.size(); ++i) {
        if (m_mask.at(i) == QLatin1Char('#') && shown.at(i) == QLatin1Char('_'))
            return static_cast<int>(i);
    }
    return -1;
}

void MaskEdBox::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    const int empty = firstEmptyPosition();
    if (event->button() == Qt::LeftButton && empty >= 0)
        setCursorPosition(empty);
}
