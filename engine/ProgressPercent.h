// The percentage a pass reports after a block.
#pragma once

#include <cstdint>

// (offset / end) * 100 in double precision, truncated, capped at 100: the division comes first, so a
// whole percentage can come out one less (0x1D000 over 0x32000 gives 57).
inline int ProgressPercent(uint64_t offset, uint32_t end)
{
    const double percent = static_cast<double>(offset) / static_cast<double>(end) * 100.0;
    return percent > 100.0 ? 100 : static_cast<int>(percent);
}

// The x87 unit of a 32-bit build rounds to 64-bit mantissas unless told otherwise, which can turn
// 57.99999999999999 into 58. While one of these lives it rounds as double precision does (53 bits).
class DoublePrecisionRounding {
public:
#if defined(__i386__) && !defined(__SSE2_MATH__)
    DoublePrecisionRounding()
    {
        __asm__ __volatile__("fnstcw %0" : "=m"(m_saved));
        const unsigned short precision53 = static_cast<unsigned short>((m_saved & ~0x0300) | 0x0200);
        __asm__ __volatile__("fldcw %0" : : "m"(precision53));
    }
    ~DoublePrecisionRounding() { __asm__ __volatile__("fldcw %0" : : "m"(m_saved)); }

private:
    unsigned short m_saved;
#else
    DoublePrecisionRounding() = default;
#endif
    DoublePrecisionRounding(const DoublePrecisionRounding&) = delete;
    DoublePrecisionRounding& operator=(const DoublePrecisionRounding&) = delete;
};
