// The sparse image: pages kept only where bytes are written, 0xFF everywhere else.
#include "cli/SparseImage.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(SparseImageTest, KeepsOnlyWrittenPagesOverTheWholeAddressSpace)
{
    SparseImage image;
    SparseImage::Conflict conflict;
    const uint8_t low[] = {1, 2}, top[] = {3};
    ASSERT_TRUE(image.Write(0x0FFF, low, 2, &conflict));  // across a page edge
    ASSERT_TRUE(image.Write(0xFFFFFFFF, top, 1, &conflict));
    EXPECT_EQ(image.LastAddress(), 0xFFFFFFFFu);

    const std::vector<ImageRun> runs = image.Runs();
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].address, 0x0000u);
    EXPECT_EQ(runs[1].address, 0x1000u);
    EXPECT_EQ(runs[2].address, 0xFFFFF000u);
    EXPECT_EQ(runs[2].data[0xFFF], 3);
    EXPECT_EQ(runs[2].data[0xFFE], 0xFF);

    // Copy fills what is not written, also past FFFFFFFF.
    uint8_t out[4];
    image.Copy(0x0FFE, out, 4);
    EXPECT_EQ(std::vector<uint8_t>(out, out + 4), (std::vector<uint8_t>{0xFF, 1, 2, 0xFF}));
    image.Copy(0xFFFFFFFE, out, 4);
    EXPECT_EQ(std::vector<uint8_t>(out, out + 4), (std::vector<uint8_t>{0xFF, 3, 0xFF, 0xFF}));
}

TEST(SparseImageTest, ABytesWrittenAgainMustKeepItsValue)
{
    SparseImage image;
    SparseImage::Conflict conflict = {};
    const uint8_t first[] = {0xFF, 0x10}, same[] = {0x10}, other[] = {0xFF, 0xFE};
    ASSERT_TRUE(image.Write(0x20, first, 2, &conflict));
    EXPECT_TRUE(image.Write(0x21, same, 1, &conflict));
    // A written 0xFF is a written byte: 0xFE over it conflicts, though the unwritten value is 0xFF too.
    ASSERT_FALSE(image.Write(0x20, other, 2, &conflict));
    EXPECT_EQ(conflict.address, 0x21u);
    EXPECT_EQ(conflict.before, 0x10);
    EXPECT_EQ(conflict.after, 0xFE);
}

} // namespace
