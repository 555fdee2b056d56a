#pragma once

#include <QPushButton>

// A palette key: a button whose face is the glyph it inserts, drawn centred across the whole
// key in the document's face, which a button's usual text margins would cut off.
class PaletteKey : public QPushButton
{
    Q_OBJECT

public:
    explicit PaletteKey(const QFont& face, QWidget* parent = nullptr);

    // The side of a key that shows a glyph of the face whole, inside the key's bevel.
    static int side(const QFont& face);

protected:
    void paintEvent(QPaintEvent* event) override;
};
