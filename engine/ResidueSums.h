// Byte sums by offset residue: the per-byte core of the pass. Every device layout depends only on
// offset mod 8, so sixteen sums (offset mod 16, one vector's width) are enough to make the device sums.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr unsigned kResidues = 16;

// Adds data[i] into sums[(firstResidue + i) % 16] for every i < count. Sums wrap modulo 2^32.
using ResidueSumFunction = void (*)(const uint8_t* data, size_t count, unsigned firstResidue,
                                    uint32_t sums[kResidues]);

void AddResidueSumsPlain(const uint8_t* data, size_t count, unsigned firstResidue,
                         uint32_t sums[kResidues]);

#if defined(__i386__) || defined(__x86_64__)
#define TOBRIN_HAVE_SSE2_PATH 1
void AddResidueSumsSse2(const uint8_t* data, size_t count, unsigned firstResidue,
                        uint32_t sums[kResidues]);
#endif

// The fastest path this processor runs: SSE2 where it has it (a 32-bit build cannot assume it).
ResidueSumFunction SelectResidueSumFunction();
