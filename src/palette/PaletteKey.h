#pragma once

#include <QPushButton>

// A palette key: a button whose face is the glyph it inserts, drawn across the whole key in
// the document's face. A glyph of the document's 16-pixel cells would be cut off by a button's
// usual text margins on a 17-pixel key.
class PaletteKey : public QPushButton
{
    Q_OBJECT

public:
    explicit PaletteKey(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
