// The six ROM layouts, numbered as the radio buttons IDC_LAYOUT1 to IDC_LAYOUT6.
#pragma once

#include <cstdint>

enum RomLayout : uint16_t {
    Layout8Bit1 = 1,   // one 8-bit device
    Layout8Bit2 = 2,   // two 8-bit devices on a 16-bit bus
    Layout8Bit4 = 3,   // four 8-bit devices on a 32-bit bus
    Layout16Bit1 = 4,  // one 16-bit device
    Layout16Bit2 = 5,  // two 16-bit devices on a 32-bit bus
    Layout16Bit4 = 6,  // four 16-bit devices on a 64-bit bus
};

constexpr int kMaxDevices = 4;

// Bus word size minus one: a range is widened to whole bus words with it. 0 for a value outside 1..6.
constexpr uint32_t AlignmentMask(unsigned layout)
{
    switch (layout) {
    case Layout8Bit2: return 1;
    case Layout8Bit4: return 3;
    case Layout16Bit2: return 3;
    case Layout16Bit4: return 7;
    default: return 0;
    }
}

// Number of devices, and so of report lines. 0 for a value outside 1..6.
constexpr int DeviceCount(unsigned layout)
{
    switch (layout) {
    case Layout8Bit1: case Layout16Bit1: return 1;
    case Layout8Bit2: case Layout16Bit2: return 2;
    case Layout8Bit4: case Layout16Bit4: return 4;
    default: return 0;
    }
}

// Device (0 = ROM1) that holds the byte at file offset `offset`. 8-bit devices take single bytes in
// turn, 16-bit devices whole 2-byte words. -1 for a value outside 1..6: such a byte counts nowhere.
// Only offset mod 8 matters.
constexpr int DeviceOfOffset(unsigned layout, uint64_t offset)
{
    switch (layout) {
    case Layout8Bit1: case Layout16Bit1: return 0;
    case Layout8Bit2: return static_cast<int>(offset & 1);
    case Layout8Bit4: return static_cast<int>(offset & 3);
    case Layout16Bit2: return static_cast<int>((offset >> 1) & 1);
    case Layout16Bit4: return static_cast<int>((offset >> 1) & 3);
    default: return -1;
    }
}
