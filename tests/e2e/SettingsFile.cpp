#include "tests/e2e/SettingsFile.h"

#include "tests/e2e/Driver.h"

namespace e2e {

std::string ReadText(const std::string& path)
{
    std::string text;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return text;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) text.append(buffer, read);
    CloseHandle(file);
    return text;
}

std::string SettingsText(const SettingsKeys& keys)
{
    std::string text = "[Setup]\r\n";
    for (const auto& key : keys) text += key.first + "=" + key.second + "\r\n";
    return text;
}

bool WriteSettings(const std::string& path, const SettingsKeys& keys)
{
    const std::string text = SettingsText(keys);
    return WriteFile(path, std::vector<uint8_t>(text.begin(), text.end()));
}

std::string SettingsAfterRun(int donationsLink, const ScreenRectangle& rect)
{
    return SettingsText({{"DonationsLink", std::to_string(donationsLink)},
                         {"Left", std::to_string(rect.left)},
                         {"Top", std::to_string(rect.top)},
                         {"Right", std::to_string(rect.right)},
                         {"Bottom", std::to_string(rect.bottom)}});
}

VirtualScreen ReadVirtualScreen()
{
    return {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
            GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

}  // namespace e2e
