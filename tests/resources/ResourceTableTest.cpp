// Which resources Tobrin.exe holds, under which language, and how the icon groups list their images.
#include "ExpectedIcons.h"
#include "IconImage.h"
#include "TobrinExe.h"

#include <algorithm>
#include <tuple>

namespace {
using Key = std::tuple<uint32_t, uint32_t, uint16_t>;     // type, ID, language
}

TEST_F(TobrinExe, HoldsExactlyTheProgramsResourcesUnderTheirLanguages)
{
    std::vector<Key> expected;
    for (uint32_t image = 1; image <= 14; ++image) expected.emplace_back(kRtIcon, image, kJapanese);
    expected.emplace_back(kRtDialog, IDD_ABOUTBOX, kJapanese);
    expected.emplace_back(kRtDialog, IDD_MAIN, kJapanese);
    expected.emplace_back(kRtString, IDS_ABOUTBOX / 16 + 1, kJapanese);            // block 7: 101, 102
    expected.emplace_back(kRtString, IDS_SETTINGS_SECTION / 16 + 1, kJapanese);    // block 63: 1001
    for (const auto& group : ExpectedIconGroups()) expected.emplace_back(kRtGroupIcon, group.id, kJapanese);
    expected.emplace_back(kRtVersion, 1, kJapanese);
    expected.emplace_back(kRtManifest, 1, kUsEnglish);

    std::vector<Key> actual;
    for (const Resource& r : All()) {
        EXPECT_TRUE(r.type.name.empty() && r.name.name.empty()) << "a resource named by a string";
        actual.emplace_back(r.type.id, r.name.id, r.language);
    }
    std::sort(expected.begin(), expected.end());
    std::sort(actual.begin(), actual.end());
    EXPECT_EQ(actual, expected);
}

TEST_F(TobrinExe, IconGroupsListTheirImagesNumberedInGroupOrder)
{
    uint16_t nextImage = 1;
    for (const auto& expected : ExpectedIconGroups()) {
        SCOPED_TRACE("group " + std::to_string(expected.id));
        const GroupIcon group = ParseGroupIcon(Data(kRtGroupIcon, expected.id));
        EXPECT_EQ(group.reserved, 0);
        EXPECT_EQ(group.type, 1);
        ASSERT_EQ(group.entries.size(), expected.images.size());
        for (size_t i = 0; i < group.entries.size(); ++i) {
            const GroupIconEntry& e = group.entries[i];
            const ExpectedImage& image = expected.images[i];
            SCOPED_TRACE("entry " + std::to_string(i));
            const int stored = image.side == 256 ? 0 : image.side;  // a byte: 256 is written as 0
            EXPECT_EQ(e.width, stored);
            EXPECT_EQ(e.height, stored);
            EXPECT_EQ(e.colourCount, image.bits == 4 ? 16 : 0);
            EXPECT_EQ(e.reserved, 0);
            EXPECT_EQ(e.planes, 1);
            EXPECT_EQ(e.bitCount, image.bits);
            EXPECT_EQ(e.id, nextImage++);
            EXPECT_EQ(e.bytesInRes, Data(kRtIcon, e.id).size());
        }
    }
}
