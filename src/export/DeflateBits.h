#pragma once

#include <QtGlobal>
#include <cstring>
#include <vector>

// Bits packed from the lowest up, as deflate streams hold them.
class DeflateBits
{
public:
    explicit DeflateBits(std::vector<uchar>& out) : m_out(out) {}

    // The lowest `count` bits of `bits` (at most 32).
    void put(quint32 bits, int count)
    {
        m_bits |= quint64(bits) << m_count;
        m_count += count;
        if (m_count >= 32) {
            const size_t at = m_out.size();
            m_out.resize(at + 4);
            const auto low = quint32(m_bits);
            std::memcpy(m_out.data() + at, &low, 4);
            m_bits >>= 32;
            m_count -= 32;
        }
    }

    // Zero bits up to the next byte boundary, and every byte out.
    void align()
    {
        while (m_count > 0) {
            m_out.push_back(uchar(m_bits & 0xFF));
            m_bits >>= 8;
            m_count = m_count > 8 ? m_count - 8 : 0;
        }
    }

private:
    std::vector<uchar>& m_out;
    quint64 m_bits = 0;
    int m_count = 0;
};
