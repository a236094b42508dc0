// The application icon's six images: a sun (a disc and twelve rays) on a transparent background, in the
// colours of each size.
#include "IconImage.h"
#include "TobrinExe.h"

#include "res/resource.h"

#include <cmath>
#include <functional>
#include <set>

namespace {

struct SunImage {
    int side, bits;
    std::set<uint32_t> required;    // colours the image shows; it shows no others but, at 32 x 32 x 4,
                                    // the shades between them
};

const std::vector<SunImage> kSuns = {
    {16, 4, {0xFFA040, 0xFFFF40}},
    {32, 4, {0xFFFF00, 0xFFB830, 0xFF7040, 0xFFA040}},
    {32, 8, {0xFFCC33, 0xFF9933, 0xFF0000}},
    {48, 8, {0xFFCC00, 0xFFFF66, 0xFFFF99, 0xFF9933, 0xFF6633}},
    {128, 8, {0xFFFF00, 0xFFCC33, 0xFFCC00, 0xFF9999, 0xFF9966, 0xFF9933, 0xFF9900}},
    {256, 8, {0xFFFF00, 0xFFCC33, 0xFFCC00, 0xFF9999, 0xFF9966, 0xFF9933, 0xFF9900}},
};

// Whether `c` lies on the straight line of colours from `a` to `b`, to a rounding error.
bool Between(uint32_t c, uint32_t a, uint32_t b)
{
    auto ch = [](uint32_t v, int shift) { return static_cast<double>((v >> shift) & 0xFF); };
    const double t = (ch(c, 8) - ch(a, 8)) / (ch(b, 8) - ch(a, 8));
    if (t < -0.01 || t > 1.01) return false;
    for (int shift : {16, 8, 0})
        if (std::fabs(ch(a, shift) + (ch(b, shift) - ch(a, shift)) * t - ch(c, shift)) > 1.5) return false;
    return true;
}

// Number of 8-connected groups of opaque pixels farther than `radius` from the centre.
int OpaqueGroupsOutside(const IconImage& image, double radius)
{
    const int n = image.Side();
    std::vector<bool> seen(static_cast<size_t>(n) * n, false);
    auto outside = [&](int x, int y) {
        return !image.Transparent(x, y) && std::hypot(x + 0.5 - n / 2.0, y + 0.5 - n / 2.0) > radius;
    };
    int groups = 0;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            if (!outside(x, y) || seen[y * n + x]) continue;
            ++groups;
            std::vector<std::pair<int, int>> stack{{x, y}};
            seen[y * n + x] = true;
            while (!stack.empty()) {
                const auto [px, py] = stack.back();
                stack.pop_back();
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int qx = px + dx, qy = py + dy;
                        if (qx < 0 || qy < 0 || qx >= n || qy >= n || seen[qy * n + qx] || !outside(qx, qy)) continue;
                        seen[qy * n + qx] = true;
                        stack.emplace_back(qx, qy);
                    }
            }
        }
    return groups;
}

} // namespace

TEST_F(TobrinExe, SunImagesShowTheirSizesColours)
{
    const GroupIcon group = ParseGroupIcon(Data(kRtGroupIcon, IDR_MAINFRAME));
    ASSERT_EQ(group.entries.size(), kSuns.size());
    for (size_t i = 0; i < kSuns.size(); ++i) {
        const SunImage& sun = kSuns[i];
        SCOPED_TRACE(std::to_string(sun.side) + " x " + std::to_string(sun.side) + ", " + std::to_string(sun.bits) + " bits");
        const IconImage image = ParseIconImage(Data(kRtIcon, group.entries[i].id));
        ASSERT_EQ(image.Side(), sun.side);
        std::set<uint32_t> shown;
        for (int y = 0; y < sun.side; ++y)
            for (int x = 0; x < sun.side; ++x)
                if (!image.Transparent(x, y)) shown.insert(image.Colour(x, y));
        for (uint32_t c : sun.required) EXPECT_EQ(shown.count(c), 1u) << std::hex << "missing " << c;
        for (uint32_t c : shown) {
            const bool shade = sun.side == 32 && sun.bits == 4 &&
                               (Between(c, 0xFFFF00, 0xFFB830) || Between(c, 0xFF7040, 0xFFA040));
            EXPECT_TRUE(sun.required.count(c) == 1 || shade) << std::hex << "unexpected colour " << c;
        }
    }
}

TEST_F(TobrinExe, SunImagesAreADiscWithTwelveRays)
{
    const GroupIcon group = ParseGroupIcon(Data(kRtGroupIcon, IDR_MAINFRAME));
    for (const GroupIconEntry& entry : group.entries) {
        const IconImage image = ParseIconImage(Data(kRtIcon, entry.id));
        const int n = image.Side();
        SCOPED_TRACE(std::to_string(n) + " x " + std::to_string(n) + ", " + std::to_string(image.bitCount) + " bits");
        const double c = n / 2.0;
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x) {
                const double r = std::hypot(x + 0.5 - c, y + 0.5 - c);
                if (r <= 0.33 * n) {
                    EXPECT_FALSE(image.Transparent(x, y)) << "hole in the disc at " << x << ", " << y;
                }
                if (r > 0.5 * n + 0.5) {
                    EXPECT_TRUE(image.Transparent(x, y)) << "beyond the rays at " << x << ", " << y;
                }
            }
        // Midway between two rays, outside the disc, the background shows.
        for (int k = 0; k < 12; ++k) {
            const double a = (15 + 30 * k) * 3.14159265358979 / 180;
            const int x = static_cast<int>(c + 0.45 * n * std::sin(a)), y = static_cast<int>(c - 0.45 * n * std::cos(a));
            EXPECT_TRUE(image.Transparent(x, y)) << "between rays at " << x << ", " << y;
        }
        EXPECT_EQ(OpaqueGroupsOutside(image, 0.4 * n), 12) << "rays";
    }
}
