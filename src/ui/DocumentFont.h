#pragma once

#include <QFont>

// The document's designed font: "Terminal", the fixed-width face that draws every 8-bit code
// with its code page 437 glyph. Where the system has no such face, the name stands for
// "Px IBM VGA8" (the VGA 8x16 glyphs, whose box drawing tiles without gaps) at its native
// 16 pixels, else for a monospaced face with box-drawing glyphs.
class DocumentFont
{
public:
    static QString family();
    static QFont designed();
};
