#include "shell/SettingsPath.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct PathCase {
    const char* executable;
    const char* settings;
};

const PathCase kCases[] = {
    {"C:\\Tools\\Tobrin.exe", "C:\\Tools\\Tobrin.ini"},
    {"C:\\Tools\\Renamed.exe", "C:\\Tools\\Tobrin.ini"},       // not the executable's own name
    {"C:/Tools/sub/Tobrin.exe", "C:/Tools/sub/Tobrin.ini"},    // forward slashes separate too
    {"C:\\Tools/mixed\\Tobrin.exe", "C:\\Tools/mixed\\Tobrin.ini"},
    {"\\\\server\\share\\Tobrin.exe", "\\\\server\\share\\Tobrin.ini"},
    {"C:Tobrin.exe", "C:Tobrin.ini"},                          // a drive without a directory
    {"Tobrin.exe", "Tobrin.ini"},
    // 表 is 0x95 0x5C and ソ is 0x83 0x5C: their trail bytes are no separators.
    {"C:\\\x95\x5C\\Tobrin.exe", "C:\\\x95\x5C\\Tobrin.ini"},
    {"C:\\\x83\x5C\\Tobrin.exe", "C:\\\x83\x5C\\Tobrin.ini"},
    {"C:\\dir\\\x95\x5C.exe", "C:\\dir\\Tobrin.ini"},           // nor in the file name
};

TEST(SettingsFilePath, PutsTobrinIniInTheExecutablesDirectory)
{
    for (const PathCase& c : kCases) {
        SCOPED_TRACE(c.executable);
        EXPECT_EQ(SettingsFilePath(c.executable, IsCp932LeadByte), c.settings);
    }
}

TEST(SettingsFilePath, GivesNothingWhenThePathWouldNotFit259Characters)
{
    // "C:\" + directory + "\" leaves room for "Tobrin.ini" (10) up to 259 characters in all.
    const std::string fits = "C:\\" + std::string(245, 'd') + "\\";
    EXPECT_EQ(SettingsFilePath((fits + "x.exe").c_str(), IsCp932LeadByte).size(), 259u);
    const std::string tooLong = "C:\\" + std::string(246, 'd') + "\\";
    EXPECT_EQ(SettingsFilePath((tooLong + "x.exe").c_str(), IsCp932LeadByte), "");
}

} // namespace
