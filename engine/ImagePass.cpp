// The image pass walks the runs in address order, as the file pass walks its blocks: gaps count as 0xFF
// by arithmetic, runs go through the residue sums, and the progress follows the position reached.
#include "engine/ImagePass.h"

#include "engine/ChecksumPassDetail.h"
#include "engine/ProgressPercent.h"

PassResult CalculateImageSums(const ImageRun* runs, size_t count, uint32_t start, uint32_t end,
                              unsigned layout, ProgressSink& progress)
{
    static const ResidueSumFunction addResidueSums = SelectResidueSumFunction();
    [[maybe_unused]] DoublePrecisionRounding rounding;
    PassResult result = {{0, 0, 0, 0}, false};
    progress.SetRange32(0, 100);
    progress.SetPos(0);

    uint32_t residueSums[kResidues] = {};
    const uint64_t rangeStart = start;
    const uint64_t rangeEnd = uint64_t{end} + 1;  // one past the last offset of the range
    uint64_t position = 0;  // every offset below it is summed and its blocks reported

    for (size_t i = 0; i < count && position < rangeEnd; ++i) {
        const uint64_t runStart = runs[i].address;
        const uint64_t first = runStart > rangeStart ? runStart : rangeStart;
        const uint64_t runEnd = runStart + runs[i].size;
        const uint64_t last = runEnd < rangeEnd ? runEnd : rangeEnd;
        if (first >= last) continue;

        // The gap before the run, as far as the range reaches into it.
        const uint64_t gapFirst = position > rangeStart ? position : rangeStart;
        if (gapFirst < first) AddFilledPositions(gapFirst, first - 1, residueSums);
        addResidueSums(runs[i].data + (first - runStart), static_cast<size_t>(last - first),
                       static_cast<unsigned>(first % kResidues), residueSums);
        ReportBlocks(position, last, end, progress);
        position = last;
    }

    // After the last run: every position up to `end` is a byte 0xFF.
    const uint64_t tailFirst = position > rangeStart ? position : rangeStart;
    if (tailFirst < rangeEnd) AddFilledPositions(tailFirst, end, residueSums);
    ReportBlocks(position, rangeEnd, end, progress);

    AddResiduesToDevices(layout, residueSums, result.sums);
    progress.SetPos(100);
    return result;
}
