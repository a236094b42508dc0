// Where the settings file lives: beside the executable, whatever the executable is called.
#pragma once

#include <string>

constexpr char kSettingsFileName[] = "Tobrin.ini";

// The drive and directory of `executablePath` followed by "Tobrin.ini". Both slashes separate; a byte
// that `isLeadByte` marks as the first of a double-byte character takes the next byte with it, so a
// trail byte 0x5C (as in 表 or ソ in code page 932) is no separator. Empty when the result would not fit
// 259 characters.
std::string SettingsFilePath(const char* executablePath, bool (*isLeadByte)(unsigned char byte));

// Lead bytes of code page 932.
bool IsCp932LeadByte(unsigned char byte);
