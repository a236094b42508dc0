#include "ChipPicture.h"

#include "PixelFont.h"

namespace {

constexpr int kSize = 32;
// Indexes of the standard 16-colour palette.
constexpr uint8_t kBlack = 0, kGrey = 8, kWhite = 15;

const Rgb kStandardPalette[16] = {
    {0x00, 0x00, 0x00}, {0x80, 0x00, 0x00}, {0x00, 0x80, 0x00}, {0x80, 0x80, 0x00},
    {0x00, 0x00, 0x80}, {0x80, 0x00, 0x80}, {0x00, 0x80, 0x80}, {0xC0, 0xC0, 0xC0},
    {0x80, 0x80, 0x80}, {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0xFF, 0xFF, 0x00},
    {0x00, 0x00, 0xFF}, {0xFF, 0x00, 0xFF}, {0x00, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF},
};

// Body columns 3..28; the outline is the ring just outside it.
constexpr int kBodyLeft = 3, kBodyRight = 28, kBodyTop = 1, kBodyBottom = 30;
constexpr int kPinRows[] = {3, 8, 14, 20, 26};     // first row of each three-row pin

// The notch: per row below the top edge, the outline's left column; the right one mirrors it about
// the body's centre (between columns 15 and 16).
constexpr int kNotchLeft[] = {11, 11, 12, 13, 14};  // rows 1 to 5; row 5 is closed across

void Letter(Image& image, const std::string& text, int top)
{
    const int bodyWidth = kBodyRight - kBodyLeft + 1;
    int x = kBodyLeft + (bodyWidth - TextWidth(text)) / 2;
    for (char c : text) {
        const auto& glyph = Glyph(c);
        if (glyph.empty()) continue;
        for (int row = 0; row < kFontHeight; ++row)
            for (size_t col = 0; col < glyph[row].size(); ++col)
                if (glyph[row][col] == '#') image.Set(x + static_cast<int>(col), top + row, kWhite);
        x += static_cast<int>(glyph[0].size()) + 1;
    }
}

} // namespace

Image ChipPicture(const std::string& line1, const std::string& line2)
{
    Image image(kSize, 4);
    image.palette.assign(std::begin(kStandardPalette), std::end(kStandardPalette));

    for (int y = kBodyTop - 1; y <= kBodyBottom + 1; ++y)
        for (int x = kBodyLeft - 1; x <= kBodyRight + 1; ++x) {
            const bool edge = y < kBodyTop || y > kBodyBottom || x < kBodyLeft || x > kBodyRight;
            image.Set(x, y, edge ? kGrey : kBlack);
        }

    for (int first : kPinRows)
        for (int y = first; y < first + 3; ++y)
            for (int x = 0; x < kBodyLeft; ++x) {
                image.Set(x, y, kGrey);
                image.Set(kSize - 1 - x, y, kGrey);
            }

    for (int row = 0; row < 5; ++row) {
        const int left = kNotchLeft[row];
        image.Set(left, 1 + row, kGrey);
        image.Set(kSize - 1 - left, 1 + row, kGrey);
    }
    for (int x = kNotchLeft[4]; x <= kSize - 1 - kNotchLeft[4]; ++x) image.Set(x, 5, kGrey);

    Letter(image, line1, 10);
    Letter(image, line2, 21);
    return image;
}
