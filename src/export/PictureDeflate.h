#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <utility>
#include <vector>

// A deflate encoder (RFC 1951) for pictures of text art in colour, several times faster than
// zlib's default level and as small: such a picture mostly repeats the pixels of a row a few
// rows above (the same glyph row, or a glyph's rows that are alike) or of the cell to the
// left, so those distances are tried at every byte, before the last place of the next four
// bytes. Matches are taken greedily, except where a longer one starts a byte later, and coded
// with Huffman codes made for each block.
class PictureDeflate
{
public:
    // Deflates bytes `start` to `end` of `data`, which may refer back into the 32 KB before
    // `start`. `stride` is the bytes of a row with its filter byte, `cell` the bytes of a cell
    // (0 when a cell is no whole number of bytes), `lineRows` the rows of a line of text. The
    // blocks end on a byte boundary: the last ends the stream when `last`, else an empty stored
    // block follows, as zlib's sync flush writes it.
    static QByteArray compress(const uchar* data, qsizetype start, qsizetype end, qsizetype stride,
                               qsizetype cell, int lineRows, bool last);

private:
    using Match = std::pair<int, qsizetype>; // length, distance

    PictureDeflate(const uchar* data, qsizetype start, qsizetype end);
    void addDistance(qsizetype distance);
    Match longestAt(qsizetype at);
    std::vector<quint32> tokens(qsizetype start);

    const uchar* m_data;
    qsizetype m_floor; // the first byte a match may refer to
    qsizetype m_end;
    std::vector<qsizetype> m_distances;
    std::vector<qint32> m_heads; // the last place of each hash of four bytes, from m_floor
};
