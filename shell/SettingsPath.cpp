#include "shell/SettingsPath.h"

#include <cstring>

std::string SettingsFilePath(const char* executablePath, bool (*isLeadByte)(unsigned char))
{
    // The directory part runs up to and including the last separator.
    size_t directoryEnd = 0;
    for (size_t i = 0; executablePath[i] != '\0'; ++i) {
        const unsigned char byte = static_cast<unsigned char>(executablePath[i]);
        if (isLeadByte(byte) && executablePath[i + 1] != '\0') {
            ++i;
        } else if (byte == '\\' || byte == '/' || (byte == ':' && i == 1)) {
            directoryEnd = i + 1;
        }
    }
    std::string path(executablePath, directoryEnd);
    path += kSettingsFileName;
    if (path.size() > 259) return std::string();
    return path;
}

bool IsCp932LeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
