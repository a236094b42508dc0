// The fast pass with a chosen residue-sum path, so that tests can run every path on the same cases.
#pragma once

#include "engine/ChecksumPass.h"
#include "engine/ResidueSums.h"

PassResult CalculateSumsWith(ResidueSumFunction addResidueSums, std::FILE* file, uint32_t start,
                             uint32_t end, unsigned layout, ProgressSink& progress);
