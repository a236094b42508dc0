// The Intel HEX and S-record readers: tables of good files with the bytes they place, and of malformed
// records with the line and the reason they are refused for.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/IntelHex.h"
#include "cli/SRecord.h"

namespace {

using Reader = bool (*)(std::string_view, SparseImage&, RecordError*);

struct Placed {
    uint32_t address;
    std::vector<uint8_t> bytes;
};

struct GoodCase {
    const char* name;
    Reader read;
    std::string text;
    std::vector<Placed> expected;  // every other address reads 0xFF
    uint32_t lastAddress;
};

const GoodCase kGoodCases[] = {
    {"hex data", ReadIntelHex, ":0400100001020304E2\n:00000001FF\n", {{0x10, {1, 2, 3, 4}}}, 0x13},
    {"hex CR LF, blank lines, lower case", ReadIntelHex,
     "\r\n:02000000abcd86\r\n\r\n:00000001ff\r\n", {{0, {0xAB, 0xCD}}}, 1},
    {"hex no line end at the end", ReadIntelHex, ":0100000042BD\n:00000001FF", {{0, {0x42}}}, 0},
    {"hex linear address and start address", ReadIntelHex,
     ":020000041234B4\n:0400000512345678E3\n:02FFFF001122CD\n:00000001FF\n", {{0x1234FFFF, {0x11, 0x22}}},
     0x12350000},
    {"hex segment address wraps in its segment", ReadIntelHex,
     ":020000021000EC\n:0400000300001000E9\n:02FFFF001122CD\n:00000001FF\n",
     {{0x1FFFF, {0x11}}, {0x10000, {0x22}}}, 0x1FFFF},
    {"hex byte at the top of the address space", ReadIntelHex, ":02000004FFFFFC\n:01FFFF00778A\n:00000001FF\n",
     {{0xFFFFFFFF, {0x77}}}, 0xFFFFFFFF},
    {"hex overlap with the same data", ReadIntelHex, ":020000000102FB\n:0100010002FC\n:00000001FF\n",
     {{0, {1, 2}}}, 1},
    {"srec S1 with header, count and S9", ReadSRecords,
     "S00600004844521B\nS107001001020304DE\nS5030001FB\nS9030000FC\n", {{0x10, {1, 2, 3, 4}}}, 0x13},
    {"srec S2 and S3 without termination", ReadSRecords, "S20612345601025A\nS306FFFFFFFF42BB\n",
     {{0x123456, {1, 2}}, {0xFFFFFFFF, {0x42}}}, 0xFFFFFFFF},
    {"srec S3 with S7, CR LF, lower case", ReadSRecords, "S307000100001122c4\r\nS70500000000FA\r\n",
     {{0x10000, {0x11, 0x22}}}, 0x10001},
    {"srec S2 with S6 count and S8", ReadSRecords, "S2050000009961\nS604000001FA\nS804000000FB\n",
     {{0, {0x99}}}, 0},
};

TEST(RecordReaderTest, PlacesTheDataOfEveryRecord)
{
    for (const GoodCase& c : kGoodCases) {
        SCOPED_TRACE(c.name);
        SparseImage image;
        RecordError error;
        ASSERT_TRUE(c.read(c.text, image, &error)) << "line " << error.line << ": " << error.message;
        EXPECT_EQ(image.LastAddress(), c.lastAddress);
        for (const Placed& placed : c.expected) {
            for (size_t i = 0; i < placed.bytes.size(); ++i) {
                EXPECT_EQ(image.At(placed.address + static_cast<uint32_t>(i)), placed.bytes[i]);
            }
            // The positions on either side were not written.
            if (placed.address > 0) {
                EXPECT_EQ(image.At(placed.address - 1), 0xFF);
            }
        }
    }
}

struct BadCase {
    const char* name;
    Reader read;
    std::string text;
    unsigned long line;
    const char* message;  // a part of the message
};

// Each malformed file in full; the line is the one the reader must name.
const BadCase kMalformed[] = {
    {"hex bad checksum", ReadIntelHex, ":0400100001020304E3\n:00000001FF\n", 1, "bad checksum 0xE3, the record's bytes need 0xE2"},
    {"hex odd length", ReadIntelHex, ":0100000042BD\n:0400100001020304E\n:00000001FF\n", 2, "odd number of hexadecimal digits"},
    {"hex not a digit", ReadIntelHex, ":01000000G2BD\n:00000001FF\n", 1, "'G' is not a hexadecimal digit"},
    {"hex length byte wrong", ReadIntelHex, ":0500100001020304E1\n:00000001FF\n", 1, "length byte says 5 data bytes, record holds 4"},
    {"hex too short", ReadIntelHex, ":0000FF\n", 1, "record too short"},
    {"hex unknown type", ReadIntelHex, ":00000006FA\n:00000001FF\n", 1, "unknown record type 0x06"},
    {"hex no colon", ReadIntelHex, ":0100000042BD\n0100000042BD\n", 2, "does not begin with ':'"},
    {"hex overlap", ReadIntelHex, ":020000000102FB\n:0100010003FB\n:00000001FF\n", 2,
     "overlapping records: address 00000001 holds 0x02 and this record writes 0x03"},
    {"hex end of file with data", ReadIntelHex, ":0100000100FE\n", 1, "end-of-file record with 1 data bytes, not 0"},
    {"hex linear address too long", ReadIntelHex, ":03000004000000F9\n:00000001FF\n", 1, "extended linear address record with 3"},
    {"hex record after the end", ReadIntelHex, ":00000001FF\n:0100000042BD\n", 2, "record after the end-of-file record"},
    {"hex no end-of-file record", ReadIntelHex, ":0100000042BD\n\n", 2, "no end-of-file record"},
    {"hex past FFFFFFFF", ReadIntelHex, ":02000004FFFFFC\n:02FFFF001122CD\n:00000001FF\n", 2, "data runs past address FFFFFFFF"},
    {"hex line too long", ReadIntelHex, ":" + std::string(2000, '0') + "\n", 1, "line longer than 1024"},
    {"srec bad checksum", ReadSRecords, "S107001001020304DF\n", 1, "bad checksum 0xDF, the record's bytes need 0xDE"},
    {"srec odd length", ReadSRecords, "S00600004844521B\nS107001001020304E\n", 2, "odd number of hexadecimal digits"},
    {"srec unknown type S4", ReadSRecords, "S4030000FC\n", 1, "unknown record type 'S4'"},
    {"srec unknown type letter", ReadSRecords, "SA030000FC\n", 1, "unknown record type 'SA'"},
    {"srec no S", ReadSRecords, "S107001001020304DE\n:0100000042BD\n", 2, "does not begin with 'S'"},
    {"srec count byte wrong", ReadSRecords, "S108001001020304DD\n", 1, "count byte says 8 bytes, record holds 7"},
    {"srec too short for the address", ReadSRecords, "S3030000FC\n", 1, "S3 record too short for its 4-byte address"},
    {"srec overlap", ReadSRecords, "S1040000AA51\nS1040000AB50\n", 2,
     "overlapping records: address 00000000 holds 0xAA and this record writes 0xAB"},
    {"srec wrong record count", ReadSRecords, "S1040000AA51\nS5030002FA\n", 2, "S5 record counts 2 data records, the file has 1"},
    {"srec termination with data", ReadSRecords, "S9040000AA51\n", 1, "S9 termination record with data"},
    {"srec record after the termination", ReadSRecords, "S9030000FC\nS1040000AA51\n", 2, "record after the termination record"},
    {"srec past FFFFFFFF", ReadSRecords, "S307FFFFFFFF1122C9\n", 1, "data runs past address FFFFFFFF"},
};

TEST(RecordReaderTest, RefusesMalformedRecordsWithTheirLine)
{
    for (const BadCase& c : kMalformed) {
        SCOPED_TRACE(c.name);
        SparseImage image;
        RecordError error;
        ASSERT_FALSE(c.read(c.text, image, &error));
        EXPECT_EQ(error.line, c.line);
        EXPECT_NE(error.message.find(c.message), std::string::npos) << error.message;
    }
}

} // namespace
