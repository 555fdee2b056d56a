#include "MaskEdBox.h"

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

MaskEdBox::MaskEdBox(const QString& mask, QWidget* parent) : QLineEdit(parent)
{
    setInputMask(qtMask(mask));
    setMaxLength(static_cast<int>(mask.size()));
}
