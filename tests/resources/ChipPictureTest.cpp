// The eight chip pictures: one drawing of a DIP package (body, outline, notch, pins, transparent margin)
// in three colours of the standard palette, lettered with the device and its width.
#include "IconImage.h"
#include "TobrinExe.h"

#include "res/resource.h"

#include <set>
#include <string>

namespace {

constexpr uint32_t kBlack = 0x000000, kGrey = 0x808080, kWhite = 0xFFFFFF;

struct Chip {
    uint32_t group;
    const char* line1;
    const char* line2;
};

const Chip kChips[] = {
    {IDI_ROM1_8BIT, "ROM1", "8bit"},   {IDI_ROM2_8BIT, "ROM2", "8bit"},
    {IDI_ROM3_8BIT, "ROM3", "8bit"},   {IDI_ROM4_8BIT, "ROM4", "8bit"},
    {IDI_ROM2_16BIT, "ROM2", "16bit"}, {IDI_ROM1_16BIT, "ROM1", "16bit"},
    {IDI_ROM3_16BIT, "ROM3", "16bit"}, {IDI_ROM4_16BIT, "ROM4", "16bit"},
};

bool PinRow(int y) { return (y >= 3 && y <= 5) || (y >= 8 && y <= 10) || (y >= 14 && y <= 16) ||
                            (y >= 20 && y <= 22) || (y >= 26 && y <= 28); }
bool Line1Row(int y) { return y >= 10 && y <= 16; }
bool Line2Row(int y) { return y >= 21 && y <= 27; }
bool InNotchBox(int x, int y) { return x >= 11 && x <= 20 && y >= 1 && y <= 5; }

// The pixels of rows `first` to `last` as text, colour and transparency, to compare pictures by.
std::string Rows(const IconImage& image, int first, int last)
{
    std::string s;
    for (int y = first; y <= last; ++y)
        for (int x = 0; x < 32; ++x) s += image.Transparent(x, y) ? '-' : static_cast<char>('a' + image.Index(x, y));
    return s;
}

} // namespace

class ChipPictures : public TobrinExe {
protected:
    IconImage Picture(uint32_t group)
    {
        const GroupIcon g = ParseGroupIcon(Data(kRtGroupIcon, group));
        if (g.entries.size() != 1) throw std::runtime_error("not one image");
        return ParseIconImage(Data(kRtIcon, g.entries[0].id));
    }
};

TEST_F(ChipPictures, UseTheStandardPalette)
{
    const uint32_t standard[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
                                   0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    for (const Chip& chip : kChips) {
        SCOPED_TRACE(std::string(chip.line1) + " " + chip.line2);
        const IconImage image = Picture(chip.group);
        EXPECT_EQ(image.palette, std::vector<uint32_t>(std::begin(standard), std::end(standard)));
    }
}

TEST_F(ChipPictures, FollowThePackageDrawing)
{
    for (const Chip& chip : kChips) {
        SCOPED_TRACE(std::string(chip.line1) + " " + chip.line2);
        const IconImage image = Picture(chip.group);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                SCOPED_TRACE("pixel " + std::to_string(x) + ", " + std::to_string(y));
                const bool margin = x <= 1 || x >= 30;
                const bool outline = x == 2 || x == 29 || y == 0 || y == 31;
                EXPECT_EQ(image.Transparent(x, y), margin && !PinRow(y));
                if (image.Transparent(x, y)) continue;
                const uint32_t c = image.Colour(x, y);
                if (margin || outline) {
                    EXPECT_EQ(c, kGrey) << "pin or outline";
                } else if (c == kGrey) {
                    EXPECT_TRUE(InNotchBox(x, y)) << "grey on the body outside the notch";
                } else if (c == kWhite) {
                    EXPECT_TRUE(Line1Row(y) || Line2Row(y)) << "lettering outside its lines";
                } else {
                    EXPECT_EQ(c, kBlack) << "body";
                }
            }
    }
}

TEST_F(ChipPictures, HaveAHalfCircleNotchAtTheTopCentre)
{
    for (const Chip& chip : kChips) {
        SCOPED_TRACE(std::string(chip.line1) + " " + chip.line2);
        const IconImage image = Picture(chip.group);
        // It leaves the top edge at columns 11 and 20 and reaches down to row 5 at the centre.
        EXPECT_EQ(image.Colour(11, 1), kGrey);
        EXPECT_EQ(image.Colour(20, 1), kGrey);
        EXPECT_EQ(image.Colour(15, 5), kGrey);
        EXPECT_EQ(image.Colour(16, 5), kGrey);
        for (int y = 1; y <= 4; ++y) {
            EXPECT_EQ(image.Colour(15, y), kBlack) << "inside the notch, row " << y;
            EXPECT_EQ(image.Colour(16, y), kBlack) << "inside the notch, row " << y;
        }
        for (int y = 1; y <= 5; ++y) {
            EXPECT_EQ(image.Colour(10, y), kBlack) << "left of the notch, row " << y;
            EXPECT_EQ(image.Colour(21, y), kBlack) << "right of the notch, row " << y;
            EXPECT_EQ(image.Colour(15, 6), kBlack) << "below the notch";
            for (int x = 11; x <= 15; ++x)
                EXPECT_EQ(image.Colour(x, y), image.Colour(31 - x, y)) << "not mirrored at " << x << ", " << y;
        }
    }
}

TEST_F(ChipPictures, LetteringIsCentredOnBothLines)
{
    for (const Chip& chip : kChips) {
        SCOPED_TRACE(std::string(chip.line1) + " " + chip.line2);
        const IconImage image = Picture(chip.group);
        for (const auto& [first, last] : {std::pair{10, 16}, std::pair{21, 27}}) {
            SCOPED_TRACE("rows " + std::to_string(first) + " to " + std::to_string(last));
            int left = 32, right = -1, top = 32, bottom = -1;
            for (int y = first; y <= last; ++y)
                for (int x = 0; x < 32; ++x)
                    if (!image.Transparent(x, y) && image.Colour(x, y) == kWhite) {
                        left = std::min(left, x);
                        right = std::max(right, x);
                        top = std::min(top, y);
                        bottom = std::max(bottom, y);
                    }
            ASSERT_GE(right, 0) << "no lettering";
            EXPECT_EQ(top, first) << "seven pixels high";
            EXPECT_EQ(bottom, last) << "seven pixels high";
            EXPECT_LE(std::abs((left - 3) - (28 - right)), 1) << "not centred on the body (columns 3 to 28)";
        }
    }
}

// Pictures that share a label share its pixels; different labels differ; outside the lines all eight
// are the same drawing.
TEST_F(ChipPictures, LetteringTellsTheEightApart)
{
    const IconImage first = Picture(kChips[0].group);
    std::set<std::string> pictures;
    for (const Chip& a : kChips) {
        const IconImage ia = Picture(a.group);
        pictures.insert(Rows(ia, 0, 31));
        SCOPED_TRACE(std::string(a.line1) + " " + a.line2);
        EXPECT_EQ(Rows(ia, 0, 9), Rows(first, 0, 9));
        EXPECT_EQ(Rows(ia, 17, 20), Rows(first, 17, 20));
        EXPECT_EQ(Rows(ia, 28, 31), Rows(first, 28, 31));
        for (const Chip& b : kChips) {
            SCOPED_TRACE(std::string("against ") + b.line1 + " " + b.line2);
            const IconImage ib = Picture(b.group);
            EXPECT_EQ(Rows(ia, 10, 16) == Rows(ib, 10, 16), std::string(a.line1) == b.line1);
            EXPECT_EQ(Rows(ia, 21, 27) == Rows(ib, 21, 27), std::string(a.line2) == b.line2);
        }
    }
    EXPECT_EQ(pictures.size(), 8u);
}
