// The image that Intel HEX or S-records describe, over the whole 32-bit address space without holding
// it whole: only the 4096-byte pages that records write are kept. Every unwritten position is 0xFF.
#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

#include "engine/ImagePass.h"

class SparseImage {
public:
    static constexpr uint32_t kPageSize = 4096;

    // What Write found when a byte was already written with another value.
    struct Conflict {
        uint32_t address;
        uint8_t before, after;
    };

    // Writes `count` bytes at `address`..`address + count - 1` (the caller keeps that within FFFFFFFF).
    // Writing a byte again with the same value is allowed. Returns false at the first byte already
    // written with another value, with *conflict filled in; the bytes before it stay written.
    bool Write(uint32_t address, const uint8_t* data, size_t count, Conflict* conflict);

    bool IsEmpty() const { return m_pages.empty(); }
    // The highest written address; 0 for an empty image.
    uint32_t LastAddress() const;

    // The byte at `address`: the written one or 0xFF.
    uint8_t At(uint32_t address) const;

    // Copies `count` bytes from `address` (which may run past FFFFFFFF only as far as count says) into
    // `out`, 0xFF where nothing is written.
    void Copy(uint64_t address, uint8_t* out, size_t count) const;

    // One run per kept page, in address order, for the image pass; valid while the image is unchanged.
    std::vector<ImageRun> Runs() const;

private:
    struct Page {
        Page();
        uint8_t bytes[kPageSize];
        std::bitset<kPageSize> written;
    };
    std::map<uint32_t, Page> m_pages;  // by page number, address / kPageSize
};
