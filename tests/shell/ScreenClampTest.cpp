#include "shell/ScreenClamp.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct ClampCase {
    const char* what;
    StoredRect stored;
    int32_t vx, vy, vw, vh;
    ScreenPoint expected;
};

const ClampCase kCases[] = {
    {"on the screen", {100, 200, 500, 500}, 0, 0, 1920, 1080, {100, 200}},
    {"beyond the right edge: right edges meet", {2000, 100, 2400, 400}, 0, 0, 1920, 1080, {1520, 100}},
    {"beyond the bottom edge", {10, 1200, 410, 1500}, 0, 0, 1920, 1080, {10, 780}},
    {"before the left and top edges", {-300, -50, 100, 250}, 0, 0, 1920, 1080, {0, 0}},
    {"exactly on the right edge stays", {1920, 1080, 2320, 1380}, 0, 0, 1920, 1080, {1920, 1080}},
    {"a monitor left of the primary", {-1000, 0, -600, 300}, -1280, 0, 3200, 1080, {-1000, 0}},
    {"the stored width, not the window's", {2000, 0, 3000, 300}, 0, 0, 1920, 1080, {920, 0}},
    {"the defaults", {0, 0, 639, 319}, 0, 0, 1024, 768, {0, 0}},
    // Values no window wrote: the corner still lands on the screen, without overflow.
    {"a negative stored width", {5000, 0, 0, 300}, 0, 0, 1920, 1080, {1920, 0}},
    {"a stored width wider than the screen", {5000, 0, 100000, 300}, 0, 0, 1920, 1080, {0, 0}},
    {"extreme values", {INT_MAX, INT_MIN, INT_MIN, INT_MAX}, 0, 0, 1920, 1080, {1920, 0}},
};

TEST(ClampToVirtualScreen, PullsTheCornerBackOntoTheVirtualScreen)
{
    for (const ClampCase& c : kCases) {
        SCOPED_TRACE(c.what);
        const ScreenPoint p = ClampToVirtualScreen(c.stored, c.vx, c.vy, c.vw, c.vh);
        EXPECT_EQ(p.x, c.expected.x);
        EXPECT_EQ(p.y, c.expected.y);
    }
}

} // namespace
