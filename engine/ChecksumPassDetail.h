// The fast pass with a chosen residue-sum path, so that tests can run every path on the same cases, and
// the two steps that the pass over an image in memory shares with it.
#pragma once

#include "engine/ChecksumPass.h"
#include "engine/ResidueSums.h"

PassResult CalculateSumsWith(ResidueSumFunction addResidueSums, std::FILE* file, uint32_t start,
                             uint32_t end, unsigned layout, ProgressSink& progress);

// Adds 0xFF for every offset in [first, last] to the residue sums.
void AddFilledPositions(uint64_t first, uint64_t last, uint32_t sums[kResidues]);

// Adds each residue's sum into the sum of the device that holds the bytes of that residue.
void AddResiduesToDevices(unsigned layout, const uint32_t residueSums[kResidues], uint32_t sums[4]);

// The plain loop reports after every whole block it handles without reaching past `end`: after the
// blocks that end at the offsets (from, to] that are multiples of 4096 and at most end + 1.
void ReportBlocks(uint64_t from, uint64_t to, uint32_t end, ProgressSink& progress);
