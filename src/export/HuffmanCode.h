#pragma once

#include <QtGlobal>
#include <vector>

// A canonical Huffman code for symbol frequencies, as deflate uses it: no code longer than a
// limit (the counts of each length are evened out as JPEG's coders do), at least two symbols
// (a code of one symbol is completed by its neighbour), codes bit-reversed for writing from
// the lowest bit up.
class HuffmanCode
{
public:
    HuffmanCode(const std::vector<quint32>& frequencies, int limit);

    // 0 for a symbol without a code.
    const std::vector<quint8>& lengths() const { return m_lengths; }
    quint16 code(size_t symbol) const { return m_codes[symbol]; }
    int length(size_t symbol) const { return m_lengths[symbol]; }

private:
    void makeLengths(const std::vector<quint32>& frequencies, int limit);
    static std::vector<int> lengthCounts(const std::vector<quint32>& weights, int limit);
    void makeCodes();

    std::vector<quint8> m_lengths;
    std::vector<quint16> m_codes;
};
