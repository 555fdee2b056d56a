#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <utility>
#include <vector>

// A deflate encoder (RFC 1951) for pictures of text art, several times faster than zlib's
// default level and as small: such a picture mostly repeats the pixels of a row a few rows
// above (the same glyph row, or a glyph's rows that are alike) or of the cell to the left, so
// those distances are tried at every byte, before the last place of the next four bytes.
// Matches are taken greedily (when thorough, not where a longer one starts a byte later) and
// coded with Huffman codes made for each block.
class PictureDeflate
{
public:
    // Where the picture repeats itself: the bytes of a row with its filter byte, of a cell (0
    // when that is no whole number), and the rows of a line of text.
    struct Layout
    {
        qsizetype stride = 0;
        qsizetype cell = 0;
        int lineRows = 0;
        // Rows further up and a longer match a byte on are tried too: a third more work, which
        // pays in pictures of colour, whose cells are several bytes.
        bool thorough = true;
    };

    // Deflates bytes `start` to `end` of `data`, which may refer back into the 32 KB before
    // `start`. The blocks end on a byte boundary: the last ends the stream when `last`, else
    // an empty stored block follows, as zlib's sync flush writes it.
    static QByteArray compress(const uchar* data, qsizetype start, qsizetype end,
                               const Layout& layout, bool last);

private:
    using Match = std::pair<int, qsizetype>; // length, distance

    PictureDeflate(const uchar* data, qsizetype start, qsizetype end, bool lazy);
    void addDistance(qsizetype distance);
    Match longestAt(qsizetype at);
    std::vector<quint32> tokens(qsizetype start);

    const uchar* m_data;
    qsizetype m_floor; // the first byte a match may refer to
    qsizetype m_end;
    bool m_lazy;
    std::vector<qsizetype> m_distances;
    std::vector<qint32> m_heads; // the last place of each hash of four bytes, from m_floor
};
