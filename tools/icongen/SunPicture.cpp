#include "SunPicture.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

// What lies under one pixel's centre.
struct Spot {
    enum Kind { Empty, Disc, Ray } kind = Empty;
    double r = 0;       // disc: distance from the centre, as a share of the disc's radius (0..1)
    double t = 0;       // ray: 0 at the disc's rim, 1 at the tip
    double side = 0;    // ray: signed distance from the ray's axis in pixels
};

// The shared shape: a disc three quarters of the width across; rays every 30 degrees from straight up,
// with their bases inside the rim and their tips at the edge of the square.
// `taper`: triangles narrowing to the tip; otherwise strokes of one width.
Spot Locate(int size, int x, int y, double baseHalfWidth, bool taper)
{
    const double c = size / 2.0;
    const double dx = x + 0.5 - c, dy = c - (y + 0.5);
    const double radius = 0.375 * size, tip = 0.5 * size, base = radius - 0.05 * size;
    Spot spot;
    const double r = std::hypot(dx, dy);
    if (r <= radius) {
        spot.kind = Spot::Disc;
        spot.r = r / radius;
        return spot;
    }
    for (int k = 0; k < 12; ++k) {
        const double a = kPi / 2 - k * kPi / 6;
        const double along = dx * std::cos(a) + dy * std::sin(a);
        const double side = -dx * std::sin(a) + dy * std::cos(a);
        if (along <= base || along > tip) continue;
        const double halfWidth = taper ? baseHalfWidth * (tip - along) / (tip - base) : baseHalfWidth;
        if (std::fabs(side) <= halfWidth) {
            spot.kind = Spot::Ray;
            spot.t = (along - radius) / (tip - radius);
            spot.side = side;
            return spot;
        }
    }
    return spot;
}

Rgb Mix(Rgb a, Rgb b, double t)
{
    auto m = [t](uint8_t u, uint8_t v) { return static_cast<uint8_t>(std::lround(u + (v - u) * t)); };
    return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

// 128 and 256: rings of yellow and orange-yellow divided by thin lines around a plain yellow centre;
// rays shaded from pink at the base to orange at the tip.
Rgb Large(int size, const Spot& s)
{
    if (s.kind == Spot::Ray) {
        static const Rgb shades[] = {{0xFF, 0x99, 0x99}, {0xFF, 0x99, 0x66}, {0xFF, 0x99, 0x33}, {0xFF, 0x99, 0x00}};
        const int band = s.t < 0 ? 0 : std::min(3, static_cast<int>(s.t * 4));
        return shades[band];
    }
    const double centre = 0.25, rings = 4;
    const double radius = 0.375 * size;
    const double line = (size / 128.0) / radius;   // 1 pixel at 128, 2 at 256, as a share of the radius
    if (s.r < centre - line / 2) return {0xFF, 0xFF, 0x00};
    const double pos = (s.r - centre) / ((1 - centre) / rings);
    const double toBoundary = std::fabs(pos - std::round(pos)) * (1 - centre) / rings;
    if (toBoundary < line / 2) return {0xFF, 0xCC, 0x00};
    return static_cast<int>(pos) % 2 == 0 ? Rgb{0xFF, 0xCC, 0x33} : Rgb{0xFF, 0xFF, 0x00};
}

// 48: rings of #FFCC00 and #FFFF66, a light touch at the upper left; two-tone rays.
Rgb Medium(const Spot& s, int x, int y, int size)
{
    if (s.kind == Spot::Ray) return s.side >= 0 ? Rgb{0xFF, 0x99, 0x33} : Rgb{0xFF, 0x66, 0x33};
    const bool upperLeft = x + y < size * 0.8 && x < size / 2 && y < size / 2;
    if (s.r < 0.35) return upperLeft && s.r > 0.1 ? Rgb{0xFF, 0xFF, 0x99} : Rgb{0xFF, 0xFF, 0x66};
    if (s.r < 0.55) return {0xFF, 0xCC, 0x00};
    if (s.r < 0.85) return upperLeft && s.r > 0.65 && s.r < 0.75 ? Rgb{0xFF, 0xFF, 0x99} : Rgb{0xFF, 0xFF, 0x66};
    return {0xFF, 0xCC, 0x00};
}

// 32 at 8 bits: rings of #FFCC33 and #FF9933; orange rays with a red spine.
Rgb Small8(const Spot& s)
{
    if (s.kind == Spot::Ray) return std::fabs(s.side) < 0.5 ? Rgb{0xFF, 0x00, 0x00} : Rgb{0xFF, 0x99, 0x33};
    if (s.r < 0.4) return {0xFF, 0xCC, 0x33};
    if (s.r < 0.6) return {0xFF, 0x99, 0x33};
    if (s.r < 0.85) return {0xFF, 0xCC, 0x33};
    return {0xFF, 0x99, 0x33};
}

// 32 at 4 bits: no rings, the disc shades from yellow to light orange; small rays from red-orange out.
Rgb Small4(const Spot& s)
{
    if (s.kind == Spot::Ray) {
        // The narrow tips hold few pixel centres: the outer half is all the tip colour.
        const int band = s.t < 0.2 ? 0 : s.t < 0.5 ? 1 : 2;
        return Mix({0xFF, 0x70, 0x40}, {0xFF, 0xA0, 0x40}, band / 2.0);
    }
    const int level = std::min(4, static_cast<int>(s.r * 5));
    return Mix({0xFF, 0xFF, 0x00}, {0xFF, 0xB8, 0x30}, level / 4.0);
}

// 16: two colours, a chequered disc and orange strokes.
Rgb Tiny(const Spot& s, int x, int y)
{
    const Rgb orange{0xFF, 0xA0, 0x40}, yellow{0xFF, 0xFF, 0x40};
    if (s.kind == Spot::Ray) return orange;
    return (x + y) % 2 == 0 ? yellow : orange;
}

} // namespace

Image SunPicture(int size, int bits)
{
    Image image(size, bits);
    image.Colour({0, 0, 0});    // entry 0: what transparent pixels hold
    // Narrower rays where a pixel is a large share of the picture.
    const double halfWidth = size == 16 ? 0.6 : size == 32 && bits == 4 ? 0.05 * size : 0.07 * size;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const Spot s = Locate(size, x, y, halfWidth, size > 16);
            if (s.kind == Spot::Empty) continue;
            Rgb c;
            if (size >= 128) c = Large(size, s);
            else if (size == 48) c = Medium(s, x, y, size);
            else if (size == 32 && bits == 8) c = Small8(s);
            else if (size == 32) c = Small4(s);
            else c = Tiny(s, x, y);
            image.Set(x, y, static_cast<uint8_t>(image.Colour(c)));
        }
    return image;
}
