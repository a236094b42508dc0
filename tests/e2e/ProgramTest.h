// The fixture of the end-to-end tests: a copy of the program in a folder of the test's own.
#pragma once

#include "tests/e2e/Program.h"

#include <gtest/gtest.h>

#include <string>

namespace e2e {

class ProgramTest : public ::testing::Test {
protected:
    // Starts `exe` (by default Tobrin.exe copied into the test's folder) and waits for its main dialog.
    // An empty command line stands for the quoted path alone; an empty working directory for the
    // test's folder. Call with ASSERT_NO_FATAL_FAILURE.
    void Launch(std::string exe = "", const std::string& commandLine = "", std::string workingDirectory = "")
    {
        if (exe.empty()) exe = CopyProgram(folder.Path());
        if (workingDirectory.empty()) workingDirectory = folder.Path();
        app = AppProcess::Start(exe, commandLine, workingDirectory);
        ASSERT_TRUE(app) << "cannot start " << exe << " (error " << GetLastError() << ")";
        dialog = MainDialog(app.WaitForMainDialog());
        ASSERT_TRUE(dialog) << "no main dialog appeared";
    }

    // Reads the message box that `box` is, checks that there is one, and closes it.
    static MessageBoxContents ReadAndClose(const MessageBoxReader& box)
    {
        MessageBoxContents contents;
        EXPECT_TRUE(box) << "no message box appeared";
        if (!box) return contents;
        contents = box.Read();
        EXPECT_TRUE(box.Close());
        return contents;
    }

    // Declared before `app`: the program ends before its folder is removed.
    TempFolder folder;
    AppProcess app;
    MainDialog dialog;
};

// The bytes 01 02 ... n.
inline std::vector<uint8_t> CountingBytes(size_t n)
{
    std::vector<uint8_t> bytes(n);
    for (size_t i = 0; i < n; ++i) bytes[i] = static_cast<uint8_t>(i + 1);
    return bytes;
}

}  // namespace e2e
