#pragma once

#include <QByteArray>
#include <QList>
#include <optional>

// The outlines of a TrueType font file, as much of the format as a face drawn from pixel
// squares needs: the character map of the Basic Multilingual Plane and simple glyphs made of
// straight and quadratic segments. A composite glyph counts as missing. Every offset is checked
// against the file, so a damaged file gives no glyph rather than a wrong read.
class TrueTypeFont
{
public:
    struct Point
    {
        double x;
        double y;
    };
    // A closed polygon in font units, y pointing up, curves already flattened.
    using Contour = QList<Point>;

    // Nothing when the bytes are not a TrueType font this reader understands.
    static std::optional<TrueTypeFont> parse(QByteArray bytes);

    int unitsPerEm() const { return m_unitsPerEm; }
    // Height of the face above its baseline, in font units.
    int ascent() const { return m_ascent; }

    // The character's outline (empty for a blank glyph), or nothing when the font has no glyph
    // for it or the glyph cannot be read.
    std::optional<QList<Contour>> outline(char16_t character) const;

private:
    explicit TrueTypeFont(QByteArray bytes) : m_bytes(std::move(bytes)) {}
    bool readTables();
    bool readCharacterMap(qsizetype cmap, qsizetype length);
    int glyphIndex(char16_t character) const;
    std::optional<QList<Contour>> glyphOutline(qsizetype start, qsizetype length) const;
    bool inside(qsizetype offset, qsizetype length) const;
    quint16 u16(qsizetype offset) const;

    QByteArray m_bytes;
    int m_unitsPerEm = 0;
    int m_ascent = 0;
    int m_glyphCount = 0;
    bool m_longOffsets = false;
    qsizetype m_loca = 0;
    qsizetype m_glyf = 0;
    qsizetype m_glyfLength = 0;
    qsizetype m_map = 0; // the format 4 subtable of the character map
};
