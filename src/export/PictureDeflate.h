#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <utility>
#include <vector>

// A deflate encoder (RFC 1951) for pictures of text art, several times faster than zlib's
// default level and as small: such a picture mostly repeats the pixels of a row a few rows
// above (the same glyph row, or a glyph's rows that are alike) or of the cell to the left, so
// those distances are tried at every byte (when thorough, then the last place of the next four
// bytes). Matches are taken greedily (when thorough, not where a longer one starts a byte
// later) and coded with Huffman codes made for each block.
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
        // Rows further up, the last place of the same four bytes and a longer match a byte on
        // are tried too: twice the work, which pays in pictures of colour, whose cells are
        // several bytes. Else only the row above, the cell to the left and the row above that.
        bool thorough = true;
    };

    // Deflates bytes `start` to `end` of `data`, which may refer back into the 32 KB before
    // `start`. The blocks end on a byte boundary: the last ends the stream when `last`, else
    // an empty stored block follows, as zlib's sync flush writes it.
    static QByteArray compress(const uchar* data, qsizetype start, qsizetype end,
                               const Layout& layout, bool last);

private:
    using Match = std::pair<int, qsizetype>; // length, distance

    PictureDeflate(const uchar* data, qsizetype start, qsizetype end, bool thorough);
    void addDistance(qsizetype distance);
    Match longestAt(qsizetype at);
    Match quickLongestAt(qsizetype at) const;
    // Bit i set where eight bytes from `at` + i repeat at one of the distances, for the 25
    // places whose eight bytes lie in the next 32.
    quint32 matchStarts(qsizetype at) const;
    std::vector<quint32> tokens(qsizetype start);
    // The first place from `from` before `to` where the table of hashes knows a repeat, and
    // the match there; `to` and no match when none.
    std::pair<qsizetype, Match> hashedMatch(qsizetype from, qsizetype to);
    std::vector<quint32> quickTokens(qsizetype start);

    const uchar* m_data;
    qsizetype m_floor; // the first byte a match may refer to
    qsizetype m_end;
    bool m_thorough;
    std::vector<qsizetype> m_distances;
    qsizetype m_farthest = 0; // the longest of m_distances
    int m_hashBits;
    std::vector<qint32> m_heads; // the last place of each hash of four bytes, from m_floor
};
