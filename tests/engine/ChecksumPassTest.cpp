// The checksum pass: every implementation (the plain reference loop, the fast pass with its plain and
// its SSE2 residue sums, and the one chosen at run time) runs the same cases.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <random>
#include <vector>

#include "engine/ChecksumPassDetail.h"
#include "engine/ProgressPercent.h"
#include "engine/RomLayout.h"
#include "tests/engine/FakeDialog.h"
#include "tests/support/TempFile.h"

namespace {

using Pass = PassResult (*)(std::FILE*, uint32_t, uint32_t, unsigned, ProgressSink&);

PassResult FastPlain(std::FILE* f, uint32_t s, uint32_t e, unsigned l, ProgressSink& p)
{
    return CalculateSumsWith(AddResidueSumsPlain, f, s, e, l, p);
}
#if defined(TOBRIN_HAVE_SSE2_PATH)
PassResult FastSse2(std::FILE* f, uint32_t s, uint32_t e, unsigned l, ProgressSink& p)
{
    return CalculateSumsWith(AddResidueSumsSse2, f, s, e, l, p);
}
#endif

struct Implementation {
    const char* name;
    Pass pass;
    bool handlesHugeRanges;  // the reference takes 2^32 steps for a 4 GiB range
};

const Implementation kImplementations[] = {
    {"Reference", CalculateSumsReference, false},
    {"FastPlain", FastPlain, true},
#if defined(TOBRIN_HAVE_SSE2_PATH)
    {"FastSse2", FastSse2, true},
#endif
    {"Selected", CalculateSums, true},
};

using FilePtr = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

class ChecksumPassTest : public ::testing::TestWithParam<Implementation> {
protected:
    // Runs the pass under test over a file holding `bytes`.
    PassResult Run(const std::vector<uint8_t>& bytes, uint32_t start, uint32_t end, unsigned layout,
                   RecordingProgress& progress)
    {
        FilePtr file(std::fopen(m_folder.Write("input.bin", bytes).c_str(), "rb"), std::fclose);
        EXPECT_TRUE(file);
        return GetParam().pass(file.get(), start, end, layout, progress);
    }
    PassResult Run(const std::vector<uint8_t>& bytes, uint32_t start, uint32_t end, unsigned layout)
    {
        RecordingProgress ignored;
        return Run(bytes, start, end, layout, ignored);
    }

    TempFolder m_folder;
};

std::vector<uint8_t> Bytes1To8() { return {1, 2, 3, 4, 5, 6, 7, 8}; }

std::vector<uint8_t> RandomBytes(size_t size, std::mt19937& random)
{
    std::vector<uint8_t> bytes(size);
    for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
    return bytes;
}

struct SumCase {
    uint32_t start, end;
    unsigned layout;
    uint32_t sums[4];
};

const SumCase kSmallFileCases[] = {
    // The bytes 01..08 over 0..7.
    {0, 7, Layout8Bit1, {0x24, 0, 0, 0}},
    {0, 7, Layout8Bit2, {0x10, 0x14, 0, 0}},
    {0, 7, Layout8Bit4, {0x6, 0x8, 0xA, 0xC}},
    {0, 7, Layout16Bit1, {0x24, 0, 0, 0}},
    {0, 7, Layout16Bit2, {0xE, 0x16, 0, 0}},
    {0, 7, Layout16Bit4, {0x3, 0x7, 0xB, 0xF}},
    // 8..F lie past the end of the file and count as 0xFF.
    {0, 0xF, Layout8Bit1, {0x81C, 0, 0, 0}},
    {0, 0xF, Layout8Bit2, {0x40C, 0x410, 0, 0}},
    // A range that starts inside the file and ends past it.
    {4, 0x13, Layout8Bit4, {0x5 + 3 * 0xFF, 0x6 + 3 * 0xFF, 0x7 + 3 * 0xFF, 0x8 + 3 * 0xFF}},
    // A layout value outside 1..6 adds nothing.
    {0, 7, 0, {0, 0, 0, 0}},
    {0, 7, 7, {0, 0, 0, 0}},
};

TEST_P(ChecksumPassTest, SumsEachDeviceShareOfTheRange)
{
    for (const SumCase& c : kSmallFileCases) {
        SCOPED_TRACE(testing::Message() << "range " << std::hex << c.start << ".." << c.end
                                        << " layout " << c.layout);
        const PassResult result = Run(Bytes1To8(), c.start, c.end, c.layout);
        EXPECT_FALSE(result.readFailed);
        for (int device = 0; device < 4; ++device) EXPECT_EQ(result.sums[device], c.sums[device]);
    }
}

TEST_P(ChecksumPassTest, DeviceSumsAddUpToTheSingleDeviceSum)
{
    // Lengths on the edges where the fast pass changes path: a vector, a 4096-byte block, a 256-vector
    // round of the 16-bit lanes, one read of 32 blocks.
    std::mt19937 random(7);
    const size_t sizes[] = {15, 16, 17, 4095, 4096, 4097, 131071, 131072, 131073, 300000};
    for (size_t size : sizes) {
        SCOPED_TRACE(size);
        const std::vector<uint8_t> bytes = RandomBytes(size, random);
        const uint32_t end = static_cast<uint32_t>(size + 37) | 7;
        const uint32_t whole = Run(bytes, 0, end, Layout8Bit1).sums[0];
        for (unsigned layout = Layout8Bit2; layout <= Layout16Bit4; ++layout) {
            SCOPED_TRACE(layout);
            const PassResult result = Run(bytes, 0, end, layout);
            EXPECT_EQ(result.sums[0] + result.sums[1] + result.sums[2] + result.sums[3], whole);
        }
    }
}

TEST_P(ChecksumPassTest, SumsWrapAroundModulo2To32)
{
    // 17 MiB of 0xFF sum to 0x10EF00000 without wrapping.
    const std::vector<uint8_t> bytes(17u << 20, 0xFF);
    const PassResult result = Run(bytes, 0, static_cast<uint32_t>(bytes.size() - 1), Layout8Bit1);
    EXPECT_EQ(result.sums[0], 0x0EF00000u);
}

TEST_P(ChecksumPassTest, ReportsProgressOncePerWholeBlock)
{
    struct ProgressCase {
        size_t fileSize;
        uint32_t end;
        std::vector<int> positions;
    } cases[] = {
        // Three full blocks, then the block after the range reads without a report, then 100 again.
        {12288, 0x2FFF, {0, 33, 66, 100, 100}},
        {12288, 0x1FFF, {0, 50, 100, 100}},
        // A range ending inside the first block reports no block at all.
        {8, 0x7, {0, 100}},
        // Past the end of the file blocks report as well.
        {8, 0x2FFF, {0, 33, 66, 100, 100}},
    };
    for (const ProgressCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "size " << c.fileSize << " end " << std::hex << c.end);
        RecordingProgress progress;
        Run(std::vector<uint8_t>(c.fileSize, 1), 0, c.end, Layout8Bit1, progress);
        ASSERT_EQ(progress.ranges.size(), 1u);
        EXPECT_EQ(progress.ranges[0], std::make_pair(0, 100));
        EXPECT_EQ(progress.positions, c.positions);
    }
}

TEST_P(ChecksumPassTest, TruncatesTheDoublePrecisionPercentage)
{
    // After block 29 (offset 1D000) over end 32000 the percentage is 57.99999999999999: 57.
    RecordingProgress progress;
    Run({}, 0x1000, 0x32000, Layout8Bit1, progress);
    ASSERT_GT(progress.positions.size(), 30u);
    EXPECT_EQ(progress.positions[29], 57);
    EXPECT_EQ(ProgressPercent(0x1D000, 0x32000), 57);
}

TEST_P(ChecksumPassTest, AnEmptyFileOverTheWholeAddressRangeIsAllBytesFF)
{
    if (!GetParam().handlesHugeRanges) GTEST_SKIP() << "2^32 steps";
    const uint32_t expected[][4] = {
        {0, 0, 0, 0},
        {0x80000000, 0x80000000, 0, 0},
        {0xC0000000, 0xC0000000, 0xC0000000, 0xC0000000},
        {0, 0, 0, 0},
        {0x80000000, 0x80000000, 0, 0},
        {0xC0000000, 0xC0000000, 0xC0000000, 0xC0000000},
    };
    for (unsigned layout = Layout8Bit1; layout <= Layout16Bit4; ++layout) {
        SCOPED_TRACE(layout);
        RecordingProgress progress;
        const PassResult result = Run({}, 0, 0xFFFFFFFF, layout, progress);
        for (int device = 0; device < 4; ++device) EXPECT_EQ(result.sums[device], expected[layout - 1][device]);
        // Position 0, one per block of the 2^20, the closing 100.
        ASSERT_EQ(progress.positions.size(), (1u << 20) + 2);
        EXPECT_EQ(progress.positions[1], 0);
        EXPECT_EQ(progress.positions[1u << 19], 50);
        EXPECT_EQ(progress.positions.back(), 100);
    }
}

TEST_P(ChecksumPassTest, MatchesTheReferenceOnRandomFilesRangesAndLayouts)
{
    std::mt19937 random(20261211);
    for (int round = 0; round < 200; ++round) {
        const size_t size = random() % 3 == 0 ? random() % 64 : random() % 40000;
        const std::vector<uint8_t> bytes = RandomBytes(size, random);
        // Ends inside blocks, on block edges, past the end of the file.
        uint32_t a = static_cast<uint32_t>(random() % (size + 3 * 4096 + 1));
        uint32_t b = static_cast<uint32_t>(random() % (size + 3 * 4096 + 1));
        if (random() % 4 == 0) b = (b | 0xFFF);
        if (a == b) ++b;
        const uint32_t start = a < b ? a : b;
        const uint32_t end = a < b ? b : a;
        const unsigned layout = static_cast<unsigned>(random() % 8);  // 0 and 7 are no layout

        SCOPED_TRACE(testing::Message() << "round " << round << " size " << size << " range " << std::hex
                                        << start << ".." << end << " layout " << layout);
        RecordingProgress expectedProgress, progress;
        FilePtr reference(std::fopen(m_folder.Write("r.bin", bytes).c_str(), "rb"), std::fclose);
        const PassResult expected = CalculateSumsReference(reference.get(), start, end, layout, expectedProgress);
        const PassResult result = Run(bytes, start, end, layout, progress);
        for (int device = 0; device < 4; ++device) EXPECT_EQ(result.sums[device], expected.sums[device]);
        EXPECT_EQ(progress.positions, expectedProgress.positions);
    }
}

#if defined(__linux__)
TEST_P(ChecksumPassTest, AReadErrorVoidsTheSums)
{
    // Reading this process's memory at address 0 fails with EIO: a read error that is not the end of the
    // file.
    FilePtr file(std::fopen("/proc/self/mem", "rb"), std::fclose);
    ASSERT_TRUE(file);
    RecordingProgress progress;
    const PassResult result = GetParam().pass(file.get(), 0, 0xFFFF, Layout8Bit1, progress);
    EXPECT_TRUE(result.readFailed);
    EXPECT_EQ(progress.positions, std::vector<int>{0});
}
#endif

INSTANTIATE_TEST_SUITE_P(AllPaths, ChecksumPassTest, ::testing::ValuesIn(kImplementations),
                         [](const testing::TestParamInfo<Implementation>& info) { return info.param.name; });

} // namespace
