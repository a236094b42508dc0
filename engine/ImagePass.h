// The checksum pass over an image held in memory, such as one read from Intel HEX or S-records: runs of
// bytes at their addresses, and every position that no run covers a byte 0xFF.
#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/ChecksumPass.h"

// `size` bytes at `address`..`address + size - 1`, which must not pass FFFFFFFF.
struct ImageRun {
    uint32_t address;
    const uint8_t* data;
    size_t size;
};

// Sums start..end (start < end, aligned) of the image made of `runs`, which are sorted by address and do
// not overlap, for `layout`. The sums and the progress positions are those of CalculateSums over a file
// that holds the image from address 0 with its gaps filled with 0xFF; readFailed is always false.
PassResult CalculateImageSums(const ImageRun* runs, size_t count, uint32_t start, uint32_t end,
                              unsigned layout, ProgressSink& progress);
