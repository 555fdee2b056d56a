#include "PictureDeflate.h"

#include "DeflateBits.h"
#include "HuffmanCode.h"

#include <QtAlgorithms>
#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr qsizetype kWindow = 32768;
constexpr int kMinMatch = 4;
constexpr int kMaxMatch = 258;
constexpr int kHashBits = 15;
constexpr size_t kBlockTokens = 1 << 15;
constexpr size_t kEndOfBlock = 256;
constexpr size_t kLiteralCodes = 286;
constexpr size_t kDistanceCodes = 30;
// A token is a literal byte, or this bit with the length above bit 16 and the distance - 1.
constexpr quint32 kMatch = 0x80000000u;

// Deflate's codes of lengths 3..258 and distances 1..32768, with their extra bits.
struct Codes
{
    std::array<quint16, kMaxMatch + 1> lengthCode{};
    std::array<quint8, kMaxMatch + 1> lengthExtra{};
    std::array<quint16, kMaxMatch + 1> lengthBase{};
    std::array<quint16, kDistanceCodes> distanceBase{};
    std::array<quint8, kDistanceCodes> distanceExtra{};
    std::array<quint8, 512> smallDistance{};

    Codes()
    {
        static constexpr std::array<quint16, 29> bases = {
            3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
            31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
        for (size_t code = 0; code < bases.size(); ++code) {
            const int top = code + 1 == bases.size() ? kMaxMatch : bases[code + 1] - 1;
            const auto extra = quint8(code < 8 || code == 28 ? 0 : (code - 4) / 4);
            for (int length = bases[code]; length <= top; ++length) {
                lengthCode[size_t(length)] = quint16(257 + code);
                lengthExtra[size_t(length)] = extra;
                lengthBase[size_t(length)] = bases[code];
            }
        }
        int base = 1;
        for (size_t code = 0; code < kDistanceCodes; ++code) {
            distanceBase[code] = quint16(base);
            distanceExtra[code] = quint8(code < 4 ? 0 : code / 2 - 1);
            base += 1 << distanceExtra[code];
        }
        for (size_t distance = 1; distance <= smallDistance.size(); ++distance) {
            const auto above =
                std::upper_bound(distanceBase.begin(), distanceBase.end(), quint16(distance));
            smallDistance[distance - 1] = quint8(above - distanceBase.begin() - 1);
        }
    }

    size_t distanceCode(int distance) const
    {
        if (distance <= 512)
            return smallDistance[size_t(distance - 1)];
        // Beyond 256 each pair of codes covers 128 times the range of the pair 14 codes below.
        return size_t(smallDistance[size_t((distance - 1) >> 7)]) + 14;
    }
};

const Codes& codes()
{
    static const Codes instance;
    return instance;
}

int matchLength(const uchar* a, const uchar* b, int limit)
{
    int n = 0;
    for (; n + 8 <= limit; n += 8) {
        quint64 x = 0;
        quint64 y = 0;
        std::memcpy(&x, a + n, 8);
        std::memcpy(&y, b + n, 8);
        if (x != y)
            return n + int(qCountTrailingZeroBits(x ^ y) / 8);
    }
    while (n < limit && a[n] == b[n])
        ++n;
    return n;
}

quint32 hashOf(const uchar* p)
{
    quint32 v = 0;
    std::memcpy(&v, p, 4);
    return (v * 2654435761u) >> (32 - kHashBits);
}

// The code lengths of a block's two codes, run-length coded: (symbol, repeat bits' value).
std::vector<std::pair<size_t, quint32>> lengthRuns(const std::vector<quint8>& lengths)
{
    std::vector<std::pair<size_t, quint32>> runs;
    for (size_t i = 0; i < lengths.size();) {
        const size_t value = lengths[i];
        size_t run = 1;
        while (i + run < lengths.size() && lengths[i + run] == value)
            ++run;
        i += run;
        if (value != 0) {
            runs.push_back({value, 0});
            --run;
            for (; run >= 3; run -= std::min<size_t>(run, 6))
                runs.push_back({16, quint32(std::min<size_t>(run, 6) - 3)});
        } else {
            for (; run >= 11; run -= std::min<size_t>(run, 138))
                runs.push_back({18, quint32(std::min<size_t>(run, 138) - 11)});
            if (run >= 3) {
                runs.push_back({17, quint32(run - 3)});
                run = 0;
            }
        }
        for (; run > 0; --run)
            runs.push_back({value, 0});
    }
    return runs;
}

// The header of a block with dynamic codes: the code lengths of both codes, coded.
void writeHeader(DeflateBits& bits, const HuffmanCode& literals, const HuffmanCode& distances,
                 bool final)
{
    size_t literalsUsed = kLiteralCodes;
    while (literalsUsed > 257 && literals.length(literalsUsed - 1) == 0)
        --literalsUsed;
    size_t distancesUsed = kDistanceCodes;
    while (distancesUsed > 1 && distances.length(distancesUsed - 1) == 0)
        --distancesUsed;
    std::vector<quint8> all(literals.lengths().begin(),
                            literals.lengths().begin() + qsizetype(literalsUsed));
    all.insert(all.end(), distances.lengths().begin(),
               distances.lengths().begin() + qsizetype(distancesUsed));
    const std::vector<std::pair<size_t, quint32>> runs = lengthRuns(all);
    std::vector<quint32> runCounts(19, 0);
    for (const auto& run : runs)
        ++runCounts[run.first];
    const HuffmanCode lengthCode(runCounts, 7);
    static constexpr std::array<size_t, 19> order = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                     11, 4,  12, 3, 13, 2, 14, 1, 15};
    size_t orderUsed = order.size();
    while (orderUsed > 4 && lengthCode.length(order[orderUsed - 1]) == 0)
        --orderUsed;
    bits.put(final ? 1 : 0, 1);
    bits.put(2, 2); // dynamic Huffman codes
    bits.put(quint32(literalsUsed - 257), 5);
    bits.put(quint32(distancesUsed - 1), 5);
    bits.put(quint32(orderUsed - 4), 4);
    for (size_t i = 0; i < orderUsed; ++i)
        bits.put(quint32(lengthCode.length(order[i])), 3);
    static constexpr std::array<int, 3> repeatBits = {2, 3, 7};
    for (const auto& [symbol, repeat] : runs) {
        bits.put(lengthCode.code(symbol), lengthCode.length(symbol));
        if (symbol >= 16)
            bits.put(repeat, repeatBits[symbol - 16]);
    }
}

void writeBlock(DeflateBits& bits, const quint32* tokens, size_t count, bool final)
{
    const Codes& c = codes();
    std::vector<quint32> literalCounts(kLiteralCodes, 0);
    std::vector<quint32> distanceCounts(kDistanceCodes, 0);
    for (size_t i = 0; i < count; ++i) {
        const quint32 token = tokens[i];
        if (token & kMatch) {
            ++literalCounts[c.lengthCode[(token >> 16) & 0x1FF]];
            ++distanceCounts[c.distanceCode(int(token & 0xFFFF) + 1)];
        } else {
            ++literalCounts[token];
        }
    }
    literalCounts[kEndOfBlock] = 1;
    const HuffmanCode literals(literalCounts, 15);
    const HuffmanCode distances(distanceCounts, 15);
    writeHeader(bits, literals, distances, final);
    for (size_t i = 0; i < count; ++i) {
        const quint32 token = tokens[i];
        if (!(token & kMatch)) {
            bits.put(literals.code(token), literals.length(token));
            continue;
        }
        const auto length = size_t((token >> 16) & 0x1FF);
        const int distance = int(token & 0xFFFF) + 1;
        const size_t lengthSymbol = c.lengthCode[length];
        bits.put(literals.code(lengthSymbol), literals.length(lengthSymbol));
        bits.put(quint32(length - c.lengthBase[length]), c.lengthExtra[length]);
        const size_t distanceSymbol = c.distanceCode(distance);
        bits.put(distances.code(distanceSymbol), distances.length(distanceSymbol));
        bits.put(quint32(distance - c.distanceBase[distanceSymbol]),
                 c.distanceExtra[distanceSymbol]);
    }
    bits.put(literals.code(kEndOfBlock), literals.length(kEndOfBlock));
}

} // namespace

PictureDeflate::PictureDeflate(const uchar* data, qsizetype start, qsizetype end, bool lazy)
    : m_data(data), m_floor(std::max<qsizetype>(0, start - kWindow)), m_end(end), m_lazy(lazy),
      m_heads(size_t(1) << kHashBits, -1)
{
}

void PictureDeflate::addDistance(qsizetype distance)
{
    if (distance > 0 && distance <= kWindow &&
        std::find(m_distances.begin(), m_distances.end(), distance) == m_distances.end())
        m_distances.push_back(distance);
}

PictureDeflate::Match PictureDeflate::longestAt(qsizetype at)
{
    const int limit = int(std::min<qsizetype>(kMaxMatch, m_end - at));
    Match best{0, 0};
    for (const qsizetype distance : m_distances) {
        // The byte that would make a longer match is looked at first.
        if (at - distance < m_floor ||
            m_data[at + best.first] != m_data[at + best.first - distance])
            continue;
        const int length = matchLength(m_data + at, m_data + at - distance, limit);
        if (length > best.first)
            best = {length, distance};
        if (best.first == limit)
            return best;
    }
    if (limit < kMinMatch)
        return best;
    qint32& head = m_heads[hashOf(m_data + at)];
    const qsizetype last = m_floor + head;
    if (head >= 0 && at - last <= kWindow) {
        const int length = matchLength(m_data + at, m_data + last, limit);
        if (length > best.first)
            best = {length, at - last};
    }
    head = qint32(at - m_floor);
    return best;
}

std::vector<quint32> PictureDeflate::tokens(qsizetype start)
{
    std::vector<quint32> tokens;
    tokens.reserve(size_t(m_end - start) / 4 + 16);
    Match match = start < m_end ? longestAt(start) : Match{0, 0};
    for (qsizetype at = start; at < m_end;) {
        if (match.first >= kMinMatch) {
            // A match longer by two or more one byte on is worth a literal first.
            const Match next = m_lazy && at + 1 < m_end ? longestAt(at + 1) : Match{0, 0};
            if (next.first <= match.first + 1) {
                tokens.push_back(kMatch | (quint32(match.first) << 16) | quint32(match.second - 1));
                at += match.first;
                match = at < m_end ? longestAt(at) : Match{0, 0};
                continue;
            }
            tokens.push_back(m_data[at++]);
            match = next;
            continue;
        }
        tokens.push_back(m_data[at++]);
        match = at < m_end ? longestAt(at) : Match{0, 0};
    }
    return tokens;
}

QByteArray PictureDeflate::compress(const uchar* data, qsizetype start, qsizetype end,
                                    const Layout& layout, bool last)
{
    PictureDeflate deflater(data, start, end, layout.thorough);
    // The row above first, then the cell to the left, then rows further up.
    const qsizetype stride = layout.stride;
    deflater.addDistance(stride);
    deflater.addDistance(layout.cell);
    deflater.addDistance(2 * stride);
    if (layout.thorough) {
        for (const qsizetype distance : {2 * layout.cell, 4 * stride, 3 * stride, 8 * stride})
            deflater.addDistance(distance);
    }
    deflater.addDistance(layout.lineRows * stride);
    const std::vector<quint32> tokens = deflater.tokens(start);
    std::vector<uchar> out;
    out.reserve(size_t(end - start) / 4 + 64);
    DeflateBits bits(out);
    for (size_t at = 0; at == 0 || at < tokens.size(); at += kBlockTokens) {
        const size_t count = std::min(kBlockTokens, tokens.size() - at);
        writeBlock(bits, tokens.data() + at, count, last && at + count >= tokens.size());
    }
    if (!last) {
        bits.put(0, 3); // an empty stored block
        bits.align();
        out.insert(out.end(), {0x00, 0x00, 0xFF, 0xFF});
    }
    bits.align();
    return QByteArray(reinterpret_cast<const char*>(out.data()), qsizetype(out.size()));
}
