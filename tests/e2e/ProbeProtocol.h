// What the end-to-end tests and MenuProbe.dll, loaded into the program under test, exchange through the
// program's memory. Both sides are 32-bit builds of the same compiler, so the layout is the same.
#pragma once

#include <windows.h>

namespace e2e {

struct ProbeMenuItem {
    UINT id;
    UINT type;   // MENUITEMINFO fType: MFT_SEPARATOR, MFT_STRING, ...
    UINT state;  // MENUITEMINFO fState
    char text[120];
};

// ReadSystemMenu's parameter: the test fills in `window`, the probe the rest. `count` is -1 when the
// window has no system menu.
struct ProbeMenu {
    HWND window;
    LONG count;
    ProbeMenuItem items[48];
};

}  // namespace e2e
