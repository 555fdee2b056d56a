#pragma once

#include <QtGlobal>
#include <algorithm>
#include <cstring>
#include <vector>

// Bits packed from the lowest up, as deflate streams hold them. Each put stores eight bytes at
// once and moves on by the whole bytes filled, which spares a test of how many bits wait; so
// the vector runs ahead of the bytes written until align() trims it.
class DeflateBits
{
public:
    explicit DeflateBits(std::vector<uchar>& out) : m_out(out), m_at(out.size()) {}

    // The lowest `count` bits of `bits` (at most 32).
    void put(quint32 bits, int count)
    {
        m_bits |= quint64(bits) << m_count;
        m_count += count;
        if (m_at + 8 > m_out.size())
            m_out.resize(std::max(m_out.capacity(), m_out.size() * 2 + 64));
        std::memcpy(m_out.data() + m_at, &m_bits, 8);
        // At most 7 bits waited, so at most 39 are here: four whole bytes or fewer.
        const int bytes = m_count >> 3;
        m_at += size_t(bytes);
        m_bits >>= bytes * 8;
        m_count &= 7;
    }

    // Zero bits up to the next byte boundary; the vector then holds exactly the bytes written.
    void align()
    {
        if (m_count > 0)
            put(0, 8 - m_count);
        m_out.resize(m_at);
    }

    // Bytes after align().
    void append(std::initializer_list<uchar> bytes)
    {
        m_out.insert(m_out.end(), bytes);
        m_at = m_out.size();
    }

private:
    std::vector<uchar>& m_out;
    size_t m_at; // the bytes written
    quint64 m_bits = 0;
    int m_count = 0;
};
