// The checksum pass: reads the input file once from its first byte and adds every byte of the range
// into the sum of the device that holds it. Positions past the end of the file count as bytes 0xFF.
#pragma once

#include <cstdint>
#include <cstdio>

// Where the pass reports its progress; in the dialog, the progress bar.
class ProgressSink {
public:
    virtual void SetRange32(int low, int high) = 0;
    virtual void SetPos(int position) = 0;

protected:
    ~ProgressSink() = default;
};

struct PassResult {
    uint32_t sums[4];  // ROM1 to ROM4; the ones a layout does not use stay 0. Every addition wraps.
    bool readFailed;   // a read failed with an I/O error (not the end of the file); the sums are void
};

// Sums the range start..end (both included, start < end, aligned) of `file`, which stands at its first
// byte, for `layout` (a value outside 1..6 adds nothing). Progress: range 0..100, position 0, then one
// position per whole 4096-byte block that the range reaches into beyond, (offset / end) * 100 in double
// precision truncated and capped at 100, then 100 at the end; on a read error the positions stop where
// they were. Reads forwards only, never closes the file.
PassResult CalculateSums(std::FILE* file, uint32_t start, uint32_t end, unsigned layout,
                         ProgressSink& progress);

// The same pass as a plain loop over 4096-byte blocks, a byte at a time: the reference the fast pass
// is tested against.
PassResult CalculateSumsReference(std::FILE* file, uint32_t start, uint32_t end, unsigned layout,
                                  ProgressSink& progress);
