// Icon resources: the group directory (RT_GROUP_ICON) and one image (RT_ICON) decoded from its DIB.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct GroupIconEntry {
    uint8_t width, height, colourCount, reserved;
    uint16_t planes, bitCount;
    uint32_t bytesInRes;
    uint16_t id;
};

struct GroupIcon {
    uint16_t reserved, type;
    std::vector<GroupIconEntry> entries;
};

// Throws std::runtime_error when `data` is cut short.
GroupIcon ParseGroupIcon(const std::vector<uint8_t>& data);

// The fields of an icon image's BITMAPINFOHEADER, and its pixels.
struct IconImage {
    uint32_t headerSize, sizeImage, clrUsed, clrImportant;
    int32_t width, height;      // height as stored: colour plane and mask together
    uint16_t planes, bitCount;
    uint32_t compression;
    std::vector<uint32_t> palette;          // 0x00RRGGBB
    std::vector<uint8_t> paletteReserved;   // the fourth byte of each entry
    size_t expectedSize = 0;    // header, colour table and both planes with rows padded to 4 bytes

    int Side() const { return width; }
    // Pixel (x, y), row 0 at the top.
    uint8_t Index(int x, int y) const { return m_index[y * width + x]; }
    uint32_t Colour(int x, int y) const { return palette.at(Index(x, y)); }
    bool Transparent(int x, int y) const { return m_mask[y * width + x]; }

    std::vector<uint8_t> m_index;
    std::vector<bool> m_mask;
};

// Decodes an uncompressed 4- or 8-bit DIB in icon form; throws std::runtime_error for anything else
// (a PNG image among them) or a cut-short image.
IconImage ParseIconImage(const std::vector<uint8_t>& data);
