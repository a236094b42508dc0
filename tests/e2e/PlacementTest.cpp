// The main window reopens where it was closed, pulled back onto the virtual screen where the stored
// corner lies beyond it.
#include "tests/e2e/ProgramTest.h"
#include "tests/e2e/SettingsFile.h"

#include <climits>
#include <cstring>

namespace e2e {
namespace {

ScreenRectangle RectangleOf(Window window)
{
    const RECT rect = window.ScreenRect();
    return {rect.left, rect.top, rect.right, rect.bottom};
}

class PlacementTest : public ProgramTest {
protected:
    // Starts the program copied into a folder of its own, so that its settings file is the row's.
    void LaunchIn(const std::string& name)
    {
        exeFolder = folder.MakeFolder(name);
        settings = exeFolder + "\\Tobrin.ini";
        ASSERT_NO_FATAL_FAILURE(Launch(CopyProgram(exeFolder)));
    }

    // Moves the main window from this process and waits until it is there.
    void MoveTo(int x, int y)
    {
        const HWND hwnd = dialog.Handle().Handle();
        SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_TRUE(WaitUntil([&] {
            const RECT rect = dialog.Handle().ScreenRect();
            return rect.left == x && rect.top == y;
        }, 3000));
    }

    void CloseByExitButton()
    {
        dialog.Exit().PostClick();
        ASSERT_TRUE(app.WaitForExit());
    }

    std::string exeFolder;
    std::string settings;
};

// A first start without a settings file opens at (0, 0); the window then reopens where it was closed,
// whichever way it was closed, and the file holds exactly the five keys.
TEST_F(PlacementTest, ReopensWhereItWasClosed)
{
    const struct {
        const char* way;
        int x, y;
    } ways[] = {
        {"終了", 140, 90},
        {"Esc", 310, 25},
        {"close box", 57, 203},
        {"close box while minimised", 222, 111},
    };
    for (const auto& row : ways) {
        SCOPED_TRACE(row.way);
        ASSERT_NO_FATAL_FAILURE(LaunchIn(std::string("run ") + std::to_string(&row - ways)));
        const ScreenRectangle opened = RectangleOf(dialog.Handle());
        EXPECT_EQ(opened.left, 0);
        EXPECT_EQ(opened.top, 0);
        const long width = opened.right - opened.left;
        const long height = opened.bottom - opened.top;

        ASSERT_NO_FATAL_FAILURE(MoveTo(row.x, row.y));
        const HWND hwnd = dialog.Handle().Handle();
        if (std::strcmp(row.way, "終了") == 0) {
            dialog.Exit().PostClick();
        } else if (std::strcmp(row.way, "Esc") == 0) {
            SetForegroundWindow(hwnd);
            ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == hwnd; }));
            PressKey(VK_ESCAPE);
        } else {
            if (std::strstr(row.way, "minimised")) {
                // The restored rectangle is what is stored, not the minimised window's.
                PostMessageA(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
                ASSERT_TRUE(WaitUntil([&] { return IsIconic(hwnd) != FALSE; }, 3000));
            }
            PostMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        ASSERT_TRUE(app.WaitForExit());
        const ScreenRectangle moved = {row.x, row.y, row.x + width, row.y + height};
        EXPECT_EQ(ReadText(settings), SettingsAfterRun(1, moved));

        ASSERT_NO_FATAL_FAILURE(Launch(exeFolder + "\\Tobrin.exe"));
        const ScreenRectangle reopened = RectangleOf(dialog.Handle());
        EXPECT_EQ(reopened.left, moved.left);
        EXPECT_EQ(reopened.top, moved.top);
        EXPECT_EQ(reopened.right, moved.right);
        EXPECT_EQ(reopened.bottom, moved.bottom);
        ASSERT_NO_FATAL_FAILURE(CloseByExitButton());
        EXPECT_EQ(ReadText(settings), SettingsAfterRun(1, moved));
    }
}

// Stored values written before the start: where the corner lies beyond the virtual screen it is pulled
// back (beyond the right or bottom edge by the stored width or height); values that are not decimal
// integers read as the key's default; no stored value puts the window off the virtual screen.
TEST_F(PlacementTest, OpensOnTheVirtualScreenWhateverTheFileHolds)
{
    const VirtualScreen screen = ReadVirtualScreen();
    SCOPED_TRACE("virtual screen " + std::to_string(screen.left) + "," + std::to_string(screen.top) + " " +
                 std::to_string(screen.width) + "x" + std::to_string(screen.height));
    const int right = screen.Right();
    const int bottom = screen.Bottom();
    auto n = [](long long value) { return std::to_string(value); };
    const struct {
        const char* name;
        std::string left, top, right, bottom;
        bool exact;  // else only "somewhere on the virtual screen"
        long x, y;
    } rows[] = {
        {"beyond the right edge", n(right + 100), "100", n(right + 500), "400", true, right - 400, 100},
        {"beyond the bottom edge", "60", n(bottom + 50), "700", n(bottom + 370), true, 60, bottom - 320},
        {"beyond both, stored size other than the window's", n(right + 1), n(bottom + 1), n(right + 1001),
         n(bottom + 201), true, right - 1000, bottom - 200},
        {"before the left and top edges", n(screen.left - 300), n(screen.top - 50), n(screen.left + 339),
         n(screen.top + 269), true, screen.left, screen.top},
        {"exactly on the right and bottom edges", n(right), n(bottom), n(right + 639), n(bottom + 319), true, right,
         bottom},
        {"the smallest and largest integers", n(INT_MIN), n(INT_MIN), n(INT_MAX), n(INT_MAX), true, screen.left,
         screen.top},
        // Read as the defaults 0, 0, 639 and 319.
        {"letters and an empty value", "abc", "200", "", "wide", true, 0, 200},
        {"a number with a unit, and a fraction", n(right + 100) + "px", "300.5", "639", "319", true, 0, 0},
        {"an exponent, and a number beyond 32 bits", "7e2", "4294967396", "639", "319", true, 0, 0},
        {"a plus sign and blanks are still decimal integers", "+150", " 70 ", "789", "389", true, 150, 70},
        // Far off: only the virtual screen is promised.
        {"the largest corner with the smallest far edge", n(INT_MAX), n(INT_MAX), n(INT_MIN), n(INT_MIN), false, 0, 0},
        {"beyond, with a stored size larger than the screen", n(right + 10), n(bottom + 10), n(right + 100010),
         n(bottom + 100010), false, 0, 0},
        {"beyond, with unreadable right and bottom", n(right + 100), n(bottom + 100), "x", "y", false, 0, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string name = std::string("row ") + std::to_string(&row - rows);
        ASSERT_TRUE(WriteSettings(folder.MakeFolder(name) + "\\Tobrin.ini", {{"DonationsLink", "1"},
                                                                            {"Left", row.left},
                                                                            {"Top", row.top},
                                                                            {"Right", row.right},
                                                                            {"Bottom", row.bottom}}));
        ASSERT_NO_FATAL_FAILURE(LaunchIn(name));
        const ScreenRectangle opened = RectangleOf(dialog.Handle());
        if (row.exact) {
            EXPECT_EQ(opened.left, row.x);
            EXPECT_EQ(opened.top, row.y);
        } else {
            EXPECT_GE(opened.left, screen.left);
            EXPECT_LE(opened.left, right);
            EXPECT_GE(opened.top, screen.top);
            EXPECT_LE(opened.top, bottom);
        }
        EXPECT_TRUE(dialog.Handle().IsVisible());
        ASSERT_NO_FATAL_FAILURE(CloseByExitButton());
        // What is stored afterwards is the window's own rectangle, in the file's own form.
        EXPECT_EQ(ReadText(settings), SettingsAfterRun(1, opened));
    }
}

}  // namespace
}  // namespace e2e
