// The fast pass. It gives the sums and the progress positions of the plain 4096-byte block loop, but
// reads many blocks at a time, adds bytes with the vector path, and counts the positions past the end of
// the file (all 0xFF) by arithmetic instead of one by one.
#include "engine/ChecksumPass.h"

#include <cstring>
#include <memory>

#include "engine/ChecksumPassDetail.h"
#include "engine/ProgressPercent.h"
#include "engine/RomLayout.h"

namespace {

constexpr uint64_t kBlockSize = 4096;
// 32 blocks per read: few enough that the buffer stays in the processor's cache between the read and
// the sum, enough that the read calls cost little.
constexpr size_t kReadSize = 32 * kBlockSize;

uint64_t RoundUpToBlock(uint64_t n) { return (n + kBlockSize - 1) / kBlockSize * kBlockSize; }

// Number of offsets o in [0, limit) with o mod 16 == residue.
uint64_t CountBelow(uint64_t limit, unsigned residue)
{
    return limit / kResidues + (limit % kResidues > residue ? 1 : 0);
}

} // namespace

void AddFilledPositions(uint64_t first, uint64_t last, uint32_t sums[kResidues])
{
    for (unsigned residue = 0; residue < kResidues; ++residue) {
        const uint64_t count = CountBelow(last + 1, residue) - CountBelow(first, residue);
        sums[residue] += static_cast<uint32_t>(count * 0xFF);
    }
}

void AddResiduesToDevices(unsigned layout, const uint32_t residueSums[kResidues], uint32_t sums[4])
{
    for (unsigned residue = 0; residue < kResidues; ++residue) {
        const int device = DeviceOfOffset(layout, residue);
        if (device >= 0) sums[device] += residueSums[residue];
    }
}

void ReportBlocks(uint64_t from, uint64_t to, uint32_t end, ProgressSink& progress)
{
    const uint64_t last = to < uint64_t{end} + 1 ? to : uint64_t{end} + 1;
    for (uint64_t blockEnd = (from / kBlockSize + 1) * kBlockSize; blockEnd <= last;
         blockEnd += kBlockSize) {
        progress.SetPos(ProgressPercent(blockEnd, end));
    }
}

PassResult CalculateSumsWith(ResidueSumFunction addResidueSums, std::FILE* file, uint32_t start,
                             uint32_t end, unsigned layout, ProgressSink& progress)
{
    [[maybe_unused]] DoublePrecisionRounding rounding;
    PassResult result = {{0, 0, 0, 0}, false};
    progress.SetRange32(0, 100);
    progress.SetPos(0);

    uint32_t residueSums[kResidues] = {};
    const uint64_t rangeEnd = uint64_t{end} + 1;  // one past the last offset of the range
    std::unique_ptr<uint8_t[]> buffer(new uint8_t[kReadSize]);

    // File part: whole reads until the range is covered or the file ends. `offset` stays a multiple
    // of 4096.
    uint64_t offset = 0;
    bool endOfFile = false;
    while (offset < rangeEnd && !endOfFile) {
        const uint64_t needed = RoundUpToBlock(rangeEnd - offset);
        const size_t wanted = needed < kReadSize ? static_cast<size_t>(needed) : kReadSize;
        const size_t got = std::fread(buffer.get(), 1, wanted, file);
        if (got < wanted) {
            if (std::ferror(file)) {
                result.readFailed = true;
                return result;
            }
            endOfFile = true;
        }
        // As in the block loop, the rest of the last block read is filled with 0xFF.
        const size_t filled = static_cast<size_t>(RoundUpToBlock(got));
        std::memset(buffer.get() + got, 0xFF, filled - got);

        const uint64_t first = start > offset ? start : offset;
        const uint64_t last = rangeEnd < offset + filled ? rangeEnd : offset + filled;
        if (first < last) {
            addResidueSums(buffer.get() + (first - offset), static_cast<size_t>(last - first),
                           static_cast<unsigned>(first % kResidues), residueSums);
        }
        ReportBlocks(offset, offset + filled, end, progress);
        offset += filled;
    }

    // Past the end of the file: every position up to `end` is a byte 0xFF.
    if (offset < rangeEnd) {
        const uint64_t first = start > offset ? start : offset;
        AddFilledPositions(first, end, residueSums);
        ReportBlocks(offset, rangeEnd, end, progress);
    }

    AddResiduesToDevices(layout, residueSums, result.sums);
    progress.SetPos(100);
    return result;
}

PassResult CalculateSums(std::FILE* file, uint32_t start, uint32_t end, unsigned layout,
                         ProgressSink& progress)
{
    static const ResidueSumFunction addResidueSums = SelectResidueSumFunction();
    return CalculateSumsWith(addResidueSums, file, start, end, layout, progress);
}
