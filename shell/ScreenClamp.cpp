#include "shell/ScreenClamp.h"

namespace {

// One axis, in 64 bits: stored values come from a file and may be anything.
int32_t ClampAxis(int64_t low, int64_t high, int64_t screenStart, int64_t screenLength)
{
    const int64_t screenEnd = screenStart + screenLength;
    int64_t position = low;
    if (low > screenEnd) {
        position = screenEnd - (high - low);
    } else if (low < screenStart) {
        position = screenStart;
    }
    if (position > screenEnd) position = screenEnd;
    if (position < screenStart) position = screenStart;
    return static_cast<int32_t>(position);
}

} // namespace

ScreenPoint ClampToVirtualScreen(const StoredRect& stored, int32_t screenLeft, int32_t screenTop,
                                 int32_t screenWidth, int32_t screenHeight)
{
    return {ClampAxis(stored.left, stored.right, screenLeft, screenWidth),
            ClampAxis(stored.top, stored.bottom, screenTop, screenHeight)};
}
