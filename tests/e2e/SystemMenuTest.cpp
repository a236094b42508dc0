// The main dialog's system menu: the program's items after the system's own, the donations item switched
// by the settings file, and the commands of both items.
#include "tests/e2e/BrowserCapture.h"
#include "tests/e2e/ProcessProbe.h"
#include "tests/e2e/ProgramTest.h"
#include "tests/e2e/SettingsFile.h"

#include "res/Version.h"
#include "res/resource.h"

namespace e2e {
namespace {

const char kAboutBoxTitle[] = "バージョン情報";
const char kAboutItem[] = "バージョン情報(&A)...";
const char kDonationsItem[] = "義援金リンク(&L)";

using SystemMenuTest = ProgramTest;

std::string Describe(const std::vector<MenuItem>& items)
{
    std::string text;
    for (const MenuItem& item : items) {
        char id[16];
        std::snprintf(id, sizeof id, "0x%04X", item.id);
        text += std::string("\n  ") + (item.separator ? "separator" : id) + " " + item.text;
    }
    return text;
}

// The system's items stay first; the program appends a separator, the donations item when
// DonationsLink is exactly 1, and the About item. The value read goes straight back into the file.
TEST_F(SystemMenuTest, DonationsItemOnlyWhenTheSwitchIsOne)
{
    const struct {
        const char* name;
        const char* stored;  // nullptr: no settings file
        bool donations;
        const char* kept;
    } rows[] = {
        {"no settings file", nullptr, true, "1"},
        {"0", "0", false, "0"},
        {"1", "1", true, "1"},
        {"2", "2", false, "2"},
        {"-1", "-1", false, "-1"},
        {"not a number: the default", "yes", true, "1"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string exeFolder = folder.MakeFolder("row " + std::to_string(&row - rows));
        const std::string settings = exeFolder + "\\Tobrin.ini";
        if (row.stored) {
            ASSERT_TRUE(WriteSettings(settings, {{"DonationsLink", row.stored}}));
        }
        ASSERT_NO_FATAL_FAILURE(Launch(CopyProgram(exeFolder)));

        const ProcessProbe probe(app.Pid());
        ASSERT_TRUE(probe) << probe.Error();
        const std::vector<MenuItem> items = probe.SystemMenu(dialog.Handle());
        SCOPED_TRACE("system menu:" + Describe(items));
        std::vector<MenuItem> expected = {{0, true, ""}};
        if (row.donations) expected.push_back({IDM_DONATIONS, false, kDonationsItem});
        expected.push_back({IDM_ABOUTBOX, false, kAboutItem});
        ASSERT_GT(items.size(), expected.size());
        const size_t first = items.size() - expected.size();
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(items[first + i].separator, expected[i].separator) << "item " << first + i;
            if (!expected[i].separator) {
                EXPECT_EQ(items[first + i].id, expected[i].id) << "item " << first + i;
                EXPECT_EQ(items[first + i].text, expected[i].text) << "item " << first + i;
            }
        }
        // Before them only the system's own commands and separators.
        bool hasClose = false;
        for (size_t i = 0; i < first; ++i) {
            EXPECT_TRUE(items[i].separator || items[i].id >= 0xF000) << "item " << i;
            hasClose = hasClose || items[i].id == SC_CLOSE;
        }
        EXPECT_TRUE(hasClose);
        // Written back at the start, as it was read.
        EXPECT_EQ(ReadText(settings), SettingsText({{"DonationsLink", row.kept}}));

        dialog.Exit().PostClick();
        ASSERT_TRUE(app.WaitForExit());
        EXPECT_EQ(GetPrivateProfileIntA("Setup", "DonationsLink", 12345, settings.c_str()), std::stoi(row.kept));
    }
}

// The system keeps the low four bits of a command for itself: 0x0010 to 0x001F all open the About box.
TEST_F(SystemMenuTest, AboutCommandWithAnyLowBitsOpensTheAboutBox)
{
    ASSERT_NO_FATAL_FAILURE(Launch());
    for (UINT command = IDM_ABOUTBOX; command <= IDM_ABOUTBOX + 0xF; ++command) {
        SCOPED_TRACE("command " + std::to_string(command));
        PostMessageA(dialog.Handle().Handle(), WM_SYSCOMMAND, command, 0);
        const Window box = app.WaitForOwnedDialog(dialog.Handle());
        ASSERT_TRUE(box) << "no About box appeared";
        char title[64] = "";
        GetWindowTextA(box.Handle(), title, sizeof title);
        EXPECT_STREQ(title, kAboutBoxTitle);
        EXPECT_EQ(box.Item(IDC_VERSION).Text(), TOBRIN_ABOUT_VERSION);
        box.Item(IDOK).PostClick();
        ASSERT_TRUE(WaitUntil([&] { return !box; }));
    }
}

// 0x0020 to 0x002F open the donations page in the browser, once each, and nothing else.
TEST_F(SystemMenuTest, DonationsCommandWithAnyLowBitsOpensTheDonationsPage)
{
    const BrowserCapture browser(folder);
    ASSERT_TRUE(browser) << "the browser cannot be captured";
    ASSERT_NO_FATAL_FAILURE(Launch());
    std::vector<std::string> expected;
    for (UINT command = IDM_DONATIONS; command <= IDM_DONATIONS + 0xF; ++command) {
        SCOPED_TRACE("command " + std::to_string(command));
        PostMessageA(dialog.Handle().Handle(), WM_SYSCOMMAND, command, 0);
        expected.push_back(TOBRIN_DONATIONS_URL);
        EXPECT_EQ(browser.WaitForAddresses(expected.size()), expected);
        // No window of the program's own: the page goes to the browser.
        EXPECT_EQ(app.TopLevelWindows().size(), 1u);
    }
}

// Every other command goes to the system's default processing.
TEST_F(SystemMenuTest, SystemCommandsKeepTheirDefaultProcessing)
{
    ASSERT_NO_FATAL_FAILURE(Launch());
    const HWND hwnd = dialog.Handle().Handle();
    PostMessageA(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(WaitUntil([&] { return IsIconic(hwnd) != FALSE; }));
    PostMessageA(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(WaitUntil([&] { return IsIconic(hwnd) == FALSE && IsWindowVisible(hwnd); }));
    PostMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(app.WaitForExit());
}

}  // namespace
}  // namespace e2e
