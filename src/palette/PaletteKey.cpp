#include "PaletteKey.h"

#include "ui/DocumentFont.h"

#include <QFontMetrics>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

// The designed key, and the bevel around the face on each side.
constexpr int kDesignedSide = 17;
constexpr int kBevel = 2;

} // namespace

PaletteKey::PaletteKey(const QFont& face, QWidget* parent) : QPushButton(parent)
{
    QFont font = face;
    font.setStyleHint(QFont::TypeWriter);
    if (font.family() == DocumentFont::family()) {
        // The VGA face is drawn as the pixels it is made of, as in the document.
        font.setStyleStrategy(QFont::NoAntialias);
        font.setHintingPreference(QFont::PreferFullHinting);
    }
    setFont(font);
}

int PaletteKey::side(const QFont& face)
{
    const QFontMetrics metrics(face);
    // The widest of the block and box-drawing glyphs is as wide as any cell of the face.
    const int glyph = qMax(metrics.height(), metrics.horizontalAdvance(QChar(0x2588)));
    return qMax(kDesignedSide, glyph + 2 * kBevel);
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
