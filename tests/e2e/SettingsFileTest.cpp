// Where the program keeps its settings file: beside the executable, whatever the working directory
// and whatever the executable's own name.
#include "tests/e2e/ProgramTest.h"

#include <climits>

namespace e2e {
namespace {

using SettingsFileTest = ProgramTest;

TEST_F(SettingsFileTest, SettingsFileLiesBesideTheExecutable)
{
    const struct {
        const char* name;
        const char* exeFolder;
        const char* exeName;
    } places[] = {
        {"plain folder", "app", "Tobrin.exe"},
        {"renamed executable", "renamed", "Other.exe"},
        {"folder name ending in the byte 0x5C (表)", "表", "Tobrin.exe"},
        {"folder name with the byte 0x5C inside (ソフト)", "ソフト", "Tobrin.exe"},
    };
    // Always started from another working directory, which must stay empty.
    const std::string workingFolder = folder.MakeFolder("work");
    for (const auto& place : places) {
        SCOPED_TRACE(place.name);
        const std::string exeFolder = folder.MakeFolder(place.exeFolder);
        // The input file lies beside the program: its path goes through the path box unchanged.
        const std::string input = exeFolder + "\\eight.bin";
        ASSERT_TRUE(WriteFile(input, CountingBytes(8)));
        ASSERT_NO_FATAL_FAILURE(Launch(CopyProgram(exeFolder, place.exeName), "", workingFolder));

        const MessageBoxContents box = ReadAndClose(dialog.Calculate(app, input, "0", "7"));
        EXPECT_EQ(box.text, "Completed End !");
        dialog.Exit().PostClick();
        ASSERT_TRUE(app.WaitForExit());

        // The program writes the donations switch when it starts and the window's rectangle when it
        // closes, into the section Setup.
        const std::string settings = exeFolder + "\\Tobrin.ini";
        EXPECT_TRUE(FileExists(settings));
        EXPECT_EQ(GetPrivateProfileIntA("Setup", "DonationsLink", INT_MIN, settings.c_str()), 1);
        EXPECT_NE(GetPrivateProfileIntA("Setup", "Right", INT_MIN, settings.c_str()), INT_MIN);
        EXPECT_FALSE(FileExists(workingFolder + "\\Tobrin.ini"));
        EXPECT_FALSE(FileExists(folder / "Tobrin.ini"));
    }
}

}  // namespace
}  // namespace e2e
