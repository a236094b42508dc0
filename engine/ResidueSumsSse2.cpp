// The SSE2 path of the residue sums. Built with -msse2 and called only where the processor has SSE2.
#include "engine/ResidueSums.h"

#include <emmintrin.h>

// 16-bit lanes take at most 257 additions of 255 before they could pass 65535; 256 vectors (4096 bytes)
// per round keeps them exact.
static constexpr size_t kVectorsPerRound = 256;

void AddResidueSumsSse2(const uint8_t* data, size_t count, unsigned firstResidue,
                        uint32_t sums[kResidues])
{
    // Split: a plain head up to the next offset that is a multiple of 16, whole vectors, a plain tail.
    unsigned residue = firstResidue % kResidues;
    const size_t head = residue == 0 ? 0 : (kResidues - residue < count ? kResidues - residue : count);
    AddResidueSumsPlain(data, head, residue, sums);
    data += head;
    count -= head;

    size_t vectors = count / 16;
    const __m128i lowBytes = _mm_set1_epi16(0x00FF);
    const __m128i zero = _mm_setzero_si128();
    // 32-bit totals: even residues 0..6, 8..14, odd residues 1..7, 9..15.
    __m128i even03 = zero, even47 = zero, odd03 = zero, odd47 = zero;

    while (vectors > 0) {
        const size_t round = vectors < kVectorsPerRound ? vectors : kVectorsPerRound;
        // Block loop: lane k of `even` adds the byte at residue 2k, lane k of `odd` the byte at 2k + 1.
        __m128i even = zero, odd = zero;
        for (size_t i = 0; i < round; ++i) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data) + i);
            even = _mm_add_epi16(even, _mm_and_si128(bytes, lowBytes));
            odd = _mm_add_epi16(odd, _mm_srli_epi16(bytes, 8));
        }
        // Reduce: widen the 16-bit lanes into the 32-bit totals.
        even03 = _mm_add_epi32(even03, _mm_unpacklo_epi16(even, zero));
        even47 = _mm_add_epi32(even47, _mm_unpackhi_epi16(even, zero));
        odd03 = _mm_add_epi32(odd03, _mm_unpacklo_epi16(odd, zero));
        odd47 = _mm_add_epi32(odd47, _mm_unpackhi_epi16(odd, zero));
        data += round * 16;
        vectors -= round;
    }

    alignas(16) uint32_t lanes[4][4];
    _mm_store_si128(reinterpret_cast<__m128i*>(lanes[0]), even03);
    _mm_store_si128(reinterpret_cast<__m128i*>(lanes[1]), even47);
    _mm_store_si128(reinterpret_cast<__m128i*>(lanes[2]), odd03);
    _mm_store_si128(reinterpret_cast<__m128i*>(lanes[3]), odd47);
    for (unsigned k = 0; k < 4; ++k) {
        sums[2 * k] += lanes[0][k];
        sums[2 * (k + 4)] += lanes[1][k];
        sums[2 * k + 1] += lanes[2][k];
        sums[2 * (k + 4) + 1] += lanes[3][k];
    }

    // Tail: what is left after the last whole vector starts at residue 0.
    AddResidueSumsPlain(data, count % 16, 0, sums);
}
