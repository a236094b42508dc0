// The pass exactly as described: 4096-byte blocks, one byte at a time.
#include "engine/ChecksumPass.h"

#include <cstring>

#include "engine/ProgressPercent.h"
#include "engine/RomLayout.h"

PassResult CalculateSumsReference(std::FILE* file, uint32_t start, uint32_t end, unsigned layout,
                                  ProgressSink& progress)
{
    [[maybe_unused]] DoublePrecisionRounding rounding;
    PassResult result = {{0, 0, 0, 0}, false};
    progress.SetRange32(0, 100);
    progress.SetPos(0);

    unsigned char block[4096];
    uint64_t offset = 0;
    for (;;) {
        const uint64_t blockStart = offset;
        const size_t got = std::fread(block, 1, sizeof block, file);
        if (got < sizeof block) {
            // A failed read of bytes the range needs voids the sums; past its end nothing is used.
            if (std::ferror(file) && blockStart <= end) {
                result.readFailed = true;
                return result;
            }
            std::memset(block + got, 0xFF, sizeof block - got);
        }
        for (unsigned char byte : block) {
            if (offset > end) {
                progress.SetPos(100);
                return result;
            }
            if (offset >= start) {
                const int device = DeviceOfOffset(layout, offset);
                if (device >= 0) result.sums[device] += byte;
            }
            ++offset;
        }
        progress.SetPos(ProgressPercent(offset, end));
    }
}
