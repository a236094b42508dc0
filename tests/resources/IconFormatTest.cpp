// Every icon image is an uncompressed DIB in icon form: header, colour table, bottom-up colour rows and a
// 1-bit mask, each row padded to 4 bytes; none is PNG, the 256 x 256 one included.
#include "ExpectedIcons.h"
#include "IconImage.h"
#include "TobrinExe.h"

#include <cstring>

TEST_F(TobrinExe, EveryIconImageIsAnUncompressedDibInIconForm)
{
    uint32_t id = 1;
    for (const auto& group : ExpectedIconGroups())
        for (const ExpectedImage& expected : group.images) {
            SCOPED_TRACE("image " + std::to_string(id) + ": " + std::to_string(expected.side) + " x " +
                         std::to_string(expected.side) + ", " + std::to_string(expected.bits) + " bits");
            const std::vector<uint8_t>& data = Data(kRtIcon, id++);
            ASSERT_GE(data.size(), 8u);
            EXPECT_NE(std::memcmp(data.data(), "\x89PNG\r\n\x1a\n", 8), 0) << "a PNG image";

            const IconImage image = ParseIconImage(data);
            EXPECT_EQ(image.headerSize, 40u);
            EXPECT_EQ(image.width, expected.side);
            EXPECT_EQ(image.height, 2 * expected.side);      // colour plane and mask
            EXPECT_EQ(image.planes, 1);
            EXPECT_EQ(image.bitCount, expected.bits);
            EXPECT_EQ(image.compression, 0u);
            EXPECT_EQ(image.palette.size(), 1u << expected.bits);
            for (uint8_t reserved : image.paletteReserved) EXPECT_EQ(reserved, 0);
            EXPECT_EQ(data.size(), image.expectedSize) << "header, colour table and both padded planes";
        }
}
