#include "engine/HexAddress.h"

#include <gtest/gtest.h>

namespace {

struct HexCase {
    const char* text;
    bool readable;
    uint32_t value;
};

const HexCase kCases[] = {
    {"0", true, 0},
    {"FFFFFFFF", true, 0xFFFFFFFF},
    {"00001000", true, 0x1000},
    {"abcDEF", true, 0xABCDEF},
    {"  1A", true, 0x1A},       // leading white space skipped
    {"\t7", true, 7},
    {"+10", true, 0x10},
    {"-1", true, 0xFFFFFFFF},   // negation modulo 2^32
    {"-0x10", true, 0xFFFFFFF0},
    {"0x10", true, 0x10},       // prefix
    {"0X1f", true, 0x1F},
    {"12G4", true, 0x12},       // the rest after the number is ignored
    {"0x", true, 0},            // "0" is the number, "x" the rest
    {"0xG", true, 0},
    {"000000001", true, 1},     // leading zeros do not overflow
    {"", false, 0},
    {"G", false, 0},            // no digit at all
    {"   ", false, 0},
    {"-", false, 0},
    {"+", false, 0},
    {"- 1", false, 0},          // no white space after the sign
    {"x10", false, 0},
    {"100000000", false, 0},    // beyond 32 bits
    {"-100000000", false, 0},
};

TEST(ReadHexAddress, ReadsLikeLxAndRefusesTextWithoutANumber)
{
    for (const HexCase& c : kCases) {
        SCOPED_TRACE(std::string("text \"") + c.text + "\"");
        uint32_t value = 0x5A5A5A5A;
        EXPECT_EQ(ReadHexAddress(c.text, &value), c.readable);
        EXPECT_EQ(value, c.readable ? c.value : 0x5A5A5A5Au);  // untouched when unreadable
    }
}

} // namespace
