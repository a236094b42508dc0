// Where the main window reopens: its stored top-left corner, pulled back onto the virtual screen.
#pragma once

#include <cstdint>

struct StoredRect {
    int32_t left, top, right, bottom;
};

struct ScreenPoint {
    int32_t x, y;
};

// Each axis alone, with strict tests: a corner beyond the right (bottom) edge is moved so that the
// stored rectangle's right (bottom) edge meets the screen's; a corner before the left (top) edge goes
// to that edge; otherwise the corner stays, also exactly on the right or bottom edge. The result is
// kept within the virtual screen's edges (both included) whatever the stored width and height, so
// that no stored value can put the corner far off the screen or overflow.
ScreenPoint ClampToVirtualScreen(const StoredRect& stored, int32_t screenLeft, int32_t screenTop,
                                 int32_t screenWidth, int32_t screenHeight);
