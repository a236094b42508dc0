// A palette image as icons hold it: one colour index per pixel, and which pixels are transparent.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct Rgb {
    uint8_t r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

struct Image {
    Image(int size, int bitsPerPixel) : size(size), bits(bitsPerPixel),
        index(static_cast<size_t>(size) * size, 0), transparent(static_cast<size_t>(size) * size, true) {}

    // Paints pixel (x, y), row 0 at the top, with palette entry `colour` and makes it opaque.
    void Set(int x, int y, uint8_t colour)
    {
        index[y * size + x] = colour;
        transparent[y * size + x] = false;
    }
    // Returns the palette entry for `c`, adding it when the palette has room; -1 when it is full.
    int Colour(Rgb c)
    {
        for (size_t i = 0; i < palette.size(); ++i)
            if (palette[i] == c) return static_cast<int>(i);
        if (palette.size() >= (1u << bits)) return -1;
        palette.push_back(c);
        return static_cast<int>(palette.size() - 1);
    }

    int size;                       // width and height in pixels
    int bits;                       // 4 or 8 bits per pixel
    std::vector<Rgb> palette;       // filled up to 2^bits entries with black when written
    std::vector<uint8_t> index;     // top-down rows; transparent pixels keep index 0 (black)
    std::vector<bool> transparent;
};
