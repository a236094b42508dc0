// The pass over an image in memory against the file pass over the same bytes: the image, laid out from
// address 0 with its gaps filled with 0xFF, is a file, and both passes must agree on sums and progress.
#include "engine/ImagePass.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <random>
#include <vector>

#include "engine/RomLayout.h"
#include "tests/engine/FakeDialog.h"
#include "tests/support/TempFile.h"

namespace {

using FilePtr = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

struct Segment {
    uint32_t address;
    std::vector<uint8_t> bytes;
};

std::vector<ImageRun> Views(const std::vector<Segment>& runs)
{
    std::vector<ImageRun> views;
    for (const Segment& run : runs) views.push_back({run.address, run.bytes.data(), run.bytes.size()});
    return views;
}

// The file that holds the image: 0xFF in the gaps, ending with the last run.
std::vector<uint8_t> Flatten(const std::vector<Segment>& runs)
{
    std::vector<uint8_t> bytes;
    for (const Segment& run : runs) {
        if (bytes.size() < run.address) bytes.resize(run.address, 0xFF);
        bytes.insert(bytes.end(), run.bytes.begin(), run.bytes.end());
    }
    return bytes;
}

TEST(ImagePassTest, MatchesTheFilePassOnRandomImagesRangesAndLayouts)
{
    TempFolder folder;
    std::mt19937 random(5150);
    for (int round = 0; round < 300; ++round) {
        // Up to five runs of up to 9000 bytes with gaps of up to three blocks, some of them adjacent.
        std::vector<Segment> runs;
        uint32_t next = random() % 3 == 0 ? 0 : static_cast<uint32_t>(random() % 5000);
        const int count = static_cast<int>(random() % 6);
        for (int i = 0; i < count; ++i) {
            Segment run{next, std::vector<uint8_t>(1 + random() % 9000)};
            for (uint8_t& b : run.bytes) b = static_cast<uint8_t>(random());
            next = run.address + static_cast<uint32_t>(run.bytes.size()) +
                   (random() % 4 == 0 ? 0 : static_cast<uint32_t>(random() % 12288));
            runs.push_back(std::move(run));
        }
        const uint32_t span = next + 3 * 4096;
        uint32_t a = static_cast<uint32_t>(random() % span), b = static_cast<uint32_t>(random() % span);
        if (random() % 4 == 0) b |= 0xFFF;
        if (a == b) ++b;
        const uint32_t start = a < b ? a : b, end = a < b ? b : a;
        const unsigned layout = static_cast<unsigned>(random() % 8);  // 0 and 7 are no layout

        SCOPED_TRACE(testing::Message() << "round " << round << " runs " << count << " range " << std::hex
                                        << start << ".." << end << " layout " << layout);
        FilePtr file(std::fopen(folder.Write("image.bin", Flatten(runs)).c_str(), "rb"), std::fclose);
        ASSERT_TRUE(file);
        RecordingProgress expectedProgress, progress;
        const PassResult expected = CalculateSums(file.get(), start, end, layout, expectedProgress);
        const std::vector<ImageRun> views = Views(runs);
        const PassResult result = CalculateImageSums(views.data(), views.size(), start, end, layout, progress);
        EXPECT_FALSE(result.readFailed);
        for (int device = 0; device < 4; ++device) EXPECT_EQ(result.sums[device], expected.sums[device]);
        EXPECT_EQ(progress.ranges, expectedProgress.ranges);
        EXPECT_EQ(progress.positions, expectedProgress.positions);
    }
}

TEST(ImagePassTest, OneByteAtTheTopOfTheAddressSpace)
{
    // 2^32 - 1 positions of 0xFF and the byte 01 at FFFFFFFF, which belongs to the last device.
    const uint8_t top = 0x01;
    const ImageRun run = {0xFFFFFFFF, &top, 1};
    const uint32_t expected[][4] = {
        {0xFFFFFF02, 0, 0, 0},
        {0x80000000, 0x7FFFFF02, 0, 0},
        {0xC0000000, 0xC0000000, 0xC0000000, 0xBFFFFF02},
        {0xFFFFFF02, 0, 0, 0},
        {0x80000000, 0x7FFFFF02, 0, 0},
        {0xC0000000, 0xC0000000, 0xC0000000, 0xBFFFFF02},
    };
    for (unsigned layout = Layout8Bit1; layout <= Layout16Bit4; ++layout) {
        SCOPED_TRACE(layout);
        RecordingProgress progress;
        const PassResult result = CalculateImageSums(&run, 1, 0, 0xFFFFFFFF, layout, progress);
        for (int device = 0; device < 4; ++device) EXPECT_EQ(result.sums[device], expected[layout - 1][device]);
        ASSERT_EQ(progress.positions.size(), (1u << 20) + 2);
        EXPECT_EQ(progress.positions.back(), 100);
    }
}

} // namespace
