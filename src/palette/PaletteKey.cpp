#include "PaletteKey.h"

#include "ui/DocumentFont.h"

#include <QStyleOptionButton>
#include <QStylePainter>

PaletteKey::PaletteKey(QWidget* parent) : QPushButton(parent)
{
    QFont font(DocumentFont::family());
    font.setStyleHint(QFont::TypeWriter);
    // The glyphs' native size, so that they stay sharp.
    font.setPixelSize(16);
    setFont(font);
}

void PaletteKey::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    // Centred in the whole key, as the text shows "&&" as "&".
    painter.drawItemText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(),
                         text(), QPalette::ButtonText);
}
