// The program's settings file, Tobrin.ini beside the executable, as text: written by the tests before a
// start, read back byte for byte afterwards. And the virtual screen that the window placement uses.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace e2e {

// The whole file as it is; empty when it cannot be read.
std::string ReadText(const std::string& path);

using SettingsKeys = std::vector<std::pair<std::string, std::string>>;

// The text of an INI file with the one section Setup holding `keys` in order, with CR LF line ends: the
// form the program's file takes.
std::string SettingsText(const SettingsKeys& keys);

// Writes SettingsText(keys) to `path`; false when it cannot be written.
bool WriteSettings(const std::string& path, const SettingsKeys& keys);

// The settings text that a run leaves after its window was closed with its outer rectangle at `rect`.
struct ScreenRectangle {
    long left, top, right, bottom;
};
std::string SettingsAfterRun(int donationsLink, const ScreenRectangle& rect);

// SM_XVIRTUALSCREEN, SM_YVIRTUALSCREEN, SM_CXVIRTUALSCREEN, SM_CYVIRTUALSCREEN (76 to 79).
struct VirtualScreen {
    int left, top, width, height;
    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
};
VirtualScreen ReadVirtualScreen();

}  // namespace e2e
