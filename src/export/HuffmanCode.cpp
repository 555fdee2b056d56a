#include "HuffmanCode.h"

#include <algorithm>
#include <array>

HuffmanCode::HuffmanCode(const std::vector<quint32>& frequencies, int limit)
{
    makeLengths(frequencies, limit);
    makeCodes();
}

void HuffmanCode::makeLengths(const std::vector<quint32>& frequencies, int limit)
{
    m_lengths.assign(frequencies.size(), 0);
    std::vector<size_t> used;
    for (size_t symbol = 0; symbol < frequencies.size(); ++symbol) {
        if (frequencies[symbol] > 0)
            used.push_back(symbol);
    }
    if (used.size() < 2) {
        const size_t only = used.empty() ? 0 : used.front();
        m_lengths[only] = 1;
        m_lengths[only == 0 ? 1 : 0] = 1;
        return;
    }
    std::sort(used.begin(), used.end(), [&](size_t a, size_t b) {
        return frequencies[a] != frequencies[b] ? frequencies[a] < frequencies[b] : a < b;
    });
    std::vector<quint32> weights;
    for (const size_t symbol : used)
        weights.push_back(frequencies[symbol]);
    const std::vector<int> counts = lengthCounts(weights, limit);
    // The most frequent symbols get the shortest codes.
    size_t next = used.size();
    for (int length = 1; length <= limit; ++length) {
        for (int k = 0; k < counts[size_t(length)]; ++k)
            m_lengths[used[--next]] = quint8(length);
    }
}

// How many codes of each length the weights (in rising order) get, none beyond `limit`.
std::vector<int> HuffmanCode::lengthCounts(const std::vector<quint32>& weights, int limit)
{
    // Two queues: the leaves in rising order, and the joined nodes, which come in rising order.
    struct Node
    {
        quint64 weight;
        size_t parent;
    };
    std::vector<Node> nodes;
    for (const quint32 weight : weights)
        nodes.push_back({weight, 0});
    const size_t leaves = nodes.size();
    size_t leaf = 0;
    size_t joined = leaves;
    const auto lightest = [&]() {
        const bool fromLeaves =
            leaf < leaves && (joined >= nodes.size() || nodes[leaf].weight <= nodes[joined].weight);
        return fromLeaves ? leaf++ : joined++;
    };
    for (size_t joins = 1; joins < leaves; ++joins) {
        const size_t a = lightest();
        const size_t b = lightest();
        nodes.push_back({nodes[a].weight + nodes[b].weight, 0});
        nodes[a].parent = nodes[b].parent = nodes.size() - 1;
    }
    std::vector<int> depth(nodes.size(), 0);
    for (size_t i = nodes.size() - 1; i-- > 0;)
        depth[i] = depth[nodes[i].parent] + 1;
    const int deepest = *std::max_element(depth.begin(), depth.begin() + qsizetype(leaves));
    std::vector<int> counts(size_t(std::max(limit, deepest)) + 1, 0);
    for (size_t i = 0; i < leaves; ++i)
        ++counts[size_t(depth[i])];
    // Two codes too long become one a bit shorter and, with a shorter code lengthened, two
    // codes of its length plus one: the code stays complete.
    for (size_t i = counts.size() - 1; i > size_t(limit); --i) {
        while (counts[i] > 0) {
            size_t j = i - 2;
            while (counts[j] == 0)
                --j;
            counts[i] -= 2;
            counts[i - 1] += 1;
            counts[j + 1] += 2;
            counts[j] -= 1;
        }
    }
    return counts;
}

void HuffmanCode::makeCodes()
{
    m_codes.assign(m_lengths.size(), 0);
    std::array<int, 16> count{};
    for (const quint8 length : m_lengths)
        ++count[length];
    count[0] = 0;
    std::array<int, 16> next{};
    for (size_t bits = 1, value = 0; bits < 16; ++bits) {
        value = (value + size_t(count[bits - 1])) << 1;
        next[bits] = int(value);
    }
    for (size_t symbol = 0; symbol < m_lengths.size(); ++symbol) {
        const int length = m_lengths[symbol];
        if (length == 0)
            continue;
        int value = next[size_t(length)]++;
        int reversed = 0;
        for (int bit = 0; bit < length; ++bit, value >>= 1)
            reversed = (reversed << 1) | (value & 1);
        m_codes[symbol] = quint16(reversed);
    }
}
