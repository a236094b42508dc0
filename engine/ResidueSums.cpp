#include "engine/ResidueSums.h"

void AddResidueSumsPlain(const uint8_t* data, size_t count, unsigned firstResidue,
                         uint32_t sums[kResidues])
{
    unsigned residue = firstResidue % kResidues;
    for (size_t i = 0; i < count; ++i) {
        sums[residue] += data[i];
        residue = (residue + 1) % kResidues;
    }
}

ResidueSumFunction SelectResidueSumFunction()
{
#if defined(__x86_64__)
    return AddResidueSumsSse2;
#elif defined(TOBRIN_HAVE_SSE2_PATH)
    __builtin_cpu_init();
    return __builtin_cpu_supports("sse2") ? AddResidueSumsSse2 : AddResidueSumsPlain;
#else
    return AddResidueSumsPlain;
#endif
}
