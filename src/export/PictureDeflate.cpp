#include "PictureDeflate.h"

#include "DeflateBits.h"
#include "HuffmanCode.h"

#include <QtAlgorithms>
#include <algorithm>
#include <array>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

constexpr qsizetype kWindow = 32768;
constexpr int kMinMatch = 4;
constexpr int kMaxMatch = 258;
constexpr int kHashBits = 15;
// The quick search's table is small enough to stay in the nearest cache.
constexpr int kQuickHashBits = 12;
// The quick search looks a place up in it at every fourth byte, and enters every byte.
constexpr qsizetype kQuickSample = 4;
// The quick search takes no match shorter than this: shorter ones at the near distances, or
// from the table of hashes, cost more literals after them than they save in pictures of art.
constexpr int kQuickMinMatch = 8;
// The bytes compared at once for the start of a match, and the places where one fits.
constexpr int kStartWindow = 32;
constexpr int kStartsChecked = kStartWindow - kQuickMinMatch + 1;
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

#ifndef __SSE2__
// Bit i set where byte i of the two words is equal (the words loaded from memory, whose first
// byte is the lowest, as matchLength takes them).
quint32 equalBytes(quint64 a, quint64 b)
{
    constexpr quint64 kLow7 = 0x7F7F7F7F7F7F7F7Fu;
    const quint64 differ = a ^ b;
    // A byte's top bit is set here exactly when the byte is zero.
    const quint64 zero = ~(((differ & kLow7) + kLow7) | differ | kLow7);
    // The top bits, one a byte, gathered into the top byte in order.
    return quint32(((zero >> 7) * 0x0102040810204080u) >> 56);
}
#endif

quint32 hashOf(const uchar* p, int bits)
{
    quint32 v = 0;
    std::memcpy(&v, p, 4);
    return (v * 2654435761u) >> (32 - bits);
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

// The code of each match length followed by its extra bits, as one put.
struct LengthCodes
{
    std::array<quint32, kMaxMatch + 1> bits{};
    std::array<quint8, kMaxMatch + 1> count{};

    explicit LengthCodes(const HuffmanCode& literals)
    {
        const Codes& c = codes();
        for (size_t length = 3; length <= kMaxMatch; ++length) {
            const size_t symbol = c.lengthCode[length];
            bits[length] = literals.code(symbol) | quint32(length - c.lengthBase[length])
                                                       << literals.length(symbol);
            count[length] = quint8(literals.length(symbol) + c.lengthExtra[length]);
        }
    }
};

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
    const LengthCodes lengths(literals);
    writeHeader(bits, literals, distances, final);
    for (size_t i = 0; i < count; ++i) {
        const quint32 token = tokens[i];
        if (!(token & kMatch)) {
            bits.put(literals.code(token), literals.length(token));
            continue;
        }
        const auto length = size_t((token >> 16) & 0x1FF);
        bits.put(lengths.bits[length], lengths.count[length]);
        const int distance = int(token & 0xFFFF) + 1;
        const size_t symbol = c.distanceCode(distance);
        // At most 15 bits of code and 13 extra bits.
        bits.put(distances.code(symbol) | quint32(distance - c.distanceBase[symbol])
                                              << distances.length(symbol),
                 distances.length(symbol) + c.distanceExtra[symbol]);
    }
    bits.put(literals.code(kEndOfBlock), literals.length(kEndOfBlock));
}

} // namespace

PictureDeflate::PictureDeflate(const uchar* data, qsizetype start, qsizetype end, bool thorough)
    : m_data(data), m_floor(std::max<qsizetype>(0, start - kWindow)), m_end(end),
      m_thorough(thorough), m_hashBits(thorough ? kHashBits : kQuickHashBits),
      m_heads(size_t(1) << m_hashBits, -1)
{
}

void PictureDeflate::addDistance(qsizetype distance)
{
    if (distance > 0 && distance <= kWindow &&
        std::find(m_distances.begin(), m_distances.end(), distance) == m_distances.end()) {
        m_distances.push_back(distance);
        m_farthest = std::max(m_farthest, distance);
    }
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
    if (limit < kMinMatch || !m_thorough)
        return best;
    qint32& head = m_heads[hashOf(m_data + at, m_hashBits)];
    const qsizetype last = m_floor + head;
    if (head >= 0 && at - last <= kWindow) {
        const int length = matchLength(m_data + at, m_data + last, limit);
        if (length > best.first)
            best = {length, at - last};
    }
    head = qint32(at - m_floor);
    return best;
}

// Where every distance reaches back into the window and eight bytes follow: the first eight
// bytes at each distance are compared at once, without a branch for each distance, and only
// the matches that fill them are followed further.
PictureDeflate::Match PictureDeflate::quickLongestAt(qsizetype at) const
{
    quint64 here = 0;
    std::memcpy(&here, m_data + at, 8);
    Match best{0, 0};
    for (const qsizetype distance : m_distances) {
        quint64 there = 0;
        std::memcpy(&there, m_data + at - distance, 8);
        const quint64 differ = here ^ there;
        const int length = differ == 0 ? 8 : int(qCountTrailingZeroBits(differ) / 8);
        best = length > best.first ? Match{length, distance} : best;
    }
    if (best.first < 8)
        return best;
    const int limit = int(std::min<qsizetype>(kMaxMatch, m_end - at));
    for (const qsizetype distance : m_distances) {
        if (distance == best.second ||
            m_data[at + best.first] == m_data[at + best.first - distance]) {
            const int length = matchLength(m_data + at, m_data + at - distance, limit);
            if (length > best.first)
                best = {length, distance};
        }
    }
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
            const Match next = at + 1 < m_end ? longestAt(at + 1) : Match{0, 0};
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

quint32 PictureDeflate::matchStarts(qsizetype at) const
{
    quint32 starts = 0;
    for (const qsizetype distance : m_distances) {
        quint32 equal = 0;
#ifdef __SSE2__
        for (int half = 0; half < kStartWindow; half += 16) {
            const __m128i here =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(m_data + at + half));
            const __m128i there =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(m_data + at + half - distance));
            equal |= quint32(_mm_movemask_epi8(_mm_cmpeq_epi8(here, there))) << half;
        }
#else
        for (int word = 0; word < kStartWindow; word += 8) {
            quint64 here = 0;
            quint64 there = 0;
            std::memcpy(&here, m_data + at + word, 8);
            std::memcpy(&there, m_data + at + word - distance, 8);
            equal |= equalBytes(here, there) << word;
        }
#endif
        // Bit i stays set where bits i to i + 7 are: eight equal bytes from there on.
        equal &= equal >> 1;
        equal &= equal >> 2;
        equal &= equal >> 4;
        starts |= equal;
    }
    return starts & ((1u << kStartsChecked) - 1);
}

std::pair<qsizetype, PictureDeflate::Match> PictureDeflate::hashedMatch(qsizetype from,
                                                                        qsizetype to)
{
    for (qsizetype at = from; at < to; ++at) {
        qint32& head = m_heads[hashOf(m_data + at, kQuickHashBits)];
        const qsizetype last = m_floor + head;
        if (at % kQuickSample == 0 && head >= 0 && at - last <= kWindow &&
            std::memcmp(m_data + at, m_data + last, kMinMatch) == 0) {
            head = qint32(at - m_floor);
            // The match may begin on the bytes before, which were passed by between samples.
            qsizetype here = at;
            qsizetype there = last;
            while (here > from && there > m_floor && m_data[here - 1] == m_data[there - 1]) {
                --here;
                --there;
            }
            const int limit = int(std::min<qsizetype>(kMaxMatch, m_end - here));
            const int length = matchLength(m_data + here, m_data + there, limit);
            if (length >= kQuickMinMatch)
                return {here, {length, here - there}};
            continue;
        }
        head = qint32(at - m_floor);
    }
    return {to, {0, 0}};
}

std::vector<quint32> PictureDeflate::quickTokens(qsizetype start)
{
    std::vector<quint32> tokens;
    tokens.reserve(size_t(m_end - start) / 3 + 16);
    const qsizetype inside = m_floor + m_farthest;
    for (qsizetype at = start; at < m_end;) {
        Match match{0, 0};
        // A window of bytes is compared for the starts, and eight more from a start on.
        if (at >= inside && at + kStartWindow + 8 <= m_end) {
            // The bytes before the next place a match starts are literals, taken at once.
            const quint32 starts = matchStarts(at);
            const int literals = starts == 0 ? kStartsChecked : int(qCountTrailingZeroBits(starts));
            // Before that place, a repeat from further back that the table of hashes knows.
            const auto [hashedAt, hashed] = hashedMatch(at, at + literals);
            tokens.insert(tokens.end(), m_data + at, m_data + hashedAt);
            at = hashedAt;
            if (hashed.first > 0)
                match = hashed;
            else if (starts != 0)
                match = quickLongestAt(at);
        } else {
            match = longestAt(at);
            if (match.first < kMinMatch)
                tokens.push_back(m_data[at++]);
        }
        if (match.first >= kMinMatch) {
            tokens.push_back(kMatch | (quint32(match.first) << 16) | quint32(match.second - 1));
            at += match.first;
        }
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
    const std::vector<quint32> tokens =
        layout.thorough ? deflater.tokens(start) : deflater.quickTokens(start);
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
        bits.append({0x00, 0x00, 0xFF, 0xFF});
    }
    bits.align();
    return QByteArray(reinterpret_cast<const char*>(out.data()), qsizetype(out.size()));
}
