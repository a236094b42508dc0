// Little-endian reads from a byte buffer, with bounds checks: a short or damaged resource throws
// instead of reading past its end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

class ByteReader {
public:
    explicit ByteReader(const std::vector<uint8_t>& bytes, size_t offset = 0) : m_bytes(bytes), m_pos(offset) {}

    uint8_t U8() { Need(1); return m_bytes[m_pos++]; }
    uint16_t U16() { const uint16_t lo = U8(); return static_cast<uint16_t>(lo | U8() << 8); }
    uint32_t U32() { const uint32_t lo = U16(); return lo | static_cast<uint32_t>(U16()) << 16; }
    int16_t S16() { return static_cast<int16_t>(U16()); }

    // A NUL-terminated UTF-16 string; the NUL is read and not returned.
    std::u16string Sz()
    {
        std::u16string s;
        for (char16_t c; (c = U16()) != 0;) s.push_back(c);
        return s;
    }
    // `count` UTF-16 units.
    std::u16string Chars(size_t count)
    {
        std::u16string s;
        while (count--) s.push_back(U16());
        return s;
    }
    std::vector<uint8_t> Bytes(size_t count)
    {
        Need(count);
        std::vector<uint8_t> out(m_bytes.begin() + m_pos, m_bytes.begin() + m_pos + count);
        m_pos += count;
        return out;
    }
    // Skips to the next multiple of 4 counted from the buffer's start.
    void AlignTo4() { m_pos = (m_pos + 3) & ~size_t{3}; }

    size_t Pos() const { return m_pos; }
    void Seek(size_t pos) { m_pos = pos; }
    bool AtEnd() const { return m_pos >= m_bytes.size(); }

private:
    void Need(size_t n) const
    {
        if (m_pos + n > m_bytes.size()) throw std::runtime_error("read past the end at " + std::to_string(m_pos));
    }
    const std::vector<uint8_t>& m_bytes;
    size_t m_pos;
};
