#pragma once

#include <QChar>
#include <QString>
#include <array>
#include <optional>

class TrueTypeFont;

// The glyphs of the IBM VGA 8x16 face (Px IBM VGA8 of Debian's fonts-pc, the face the
// document is drawn in) as bitmaps: one byte for each of a glyph's 16 rows, the leftmost pixel
// in the highest bit. The face's outlines are pixel squares, so sampling them at the pixel
// centres of a 16-pixel em gives the face's glyphs exactly.
class VgaFace
{
public:
    static constexpr int Width = 8;
    static constexpr int Height = 16;
    // The glyph drawn for a character that code page 437 has no code for, or whose glyph the
    // face lacks: a hollow box, so that nothing is silently left out.
    static constexpr int Missing = 256;
    // A tab moves to the next multiple of this many cells.
    static constexpr int TabColumns = 8;

    // Whether the ninth column of a 9-pixel cell repeats the eighth: for the line-drawing codes
    // C0-DF, as the VGA hardware draws them, so that their lines join; else it is blank.
    static constexpr bool repeatsEighthColumn(int code) { return code >= 0xC0 && code <= 0xDF; }
    // The code whose glyph shows a character, or Missing. Printable ASCII is its own code,
    // which spares the table for most characters of most files.
    static quint16 cellCode(QChar ch);

    // The face's file: beside the program (a portable copy may carry it), else in the
    // system's font folders; "" when there is none.
    static QString locate();
    // Nothing when the file cannot be read or is no face of 8 x 16 pixel squares.
    static std::optional<VgaFace> load(const QString& path);

    // Row `y` (0 at the top) of the glyph of a code, or of Missing.
    uchar row(int code, int y) const { return m_glyphs[code][y]; }

private:
    explicit VgaFace(const TrueTypeFont& font);

    using Glyph = std::array<uchar, Height>;
    std::array<Glyph, 257> m_glyphs{};
};
