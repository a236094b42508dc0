// The About box, opened from the main dialog's system menu: its texts, the link to the home page, its
// place over the main window, its modality, and the GDI objects it leaves behind.
#include "tests/e2e/BrowserCapture.h"
#include "tests/e2e/ProcessProbe.h"
#include "tests/e2e/ProgramTest.h"

#include "res/Version.h"
#include "res/resource.h"

#include <cstdlib>
#include <cstring>

namespace e2e {
namespace {

const char kAboutBoxTitle[] = "バージョン情報";

class AboutBoxTest : public ProgramTest {
protected:
    // Opens the box through the system-menu command and waits for it.
    Window OpenAboutBox() const
    {
        PostMessageA(dialog.Handle().Handle(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        return app.WaitForOwnedDialog(dialog.Handle());
    }

    // Makes `window` the foreground window, as a user's click on it would.
    static void BringToFront(Window window)
    {
        SetForegroundWindow(window.Handle());
        ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window.Handle(); }));
    }

    // A real left click on `control`, at `across` (0 to 1) of its width, through the mouse input queue:
    // the move and both button events in one SendInput, in absolute coordinates of the primary screen.
    static void Click(Window control, double across)
    {
        const RECT rect = control.ScreenRect();
        const int x = rect.left + static_cast<int>((rect.right - rect.left) * across);
        const int y = (rect.top + rect.bottom) / 2;
        INPUT inputs[3] = {};
        for (INPUT& input : inputs) {
            input.type = INPUT_MOUSE;
            input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
            input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
            input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE;
        }
        inputs[0].mi.dwFlags |= MOUSEEVENTF_MOVE;
        inputs[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
        inputs[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
        SendInput(3, inputs, sizeof(INPUT));
    }

    // Returns once the main dialog has painted whatever it had to paint (RDW_UPDATENOW sends the
    // pending WM_PAINT messages) and has handled everything sent before.
    void Settle() const
    {
        RedrawWindow(dialog.Handle().Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        dialog.Handle().Send(WM_NULL);
    }
};

// The template's controls in order, with the texts set at run time; the link got SS_NOTIFY when the box
// opened and is no tab stop.
TEST_F(AboutBoxTest, ShowsTheVersionAndTheHomePage)
{
    const struct {
        int id;
        const char* className;
        const char* text;
        DWORD style;
    } expected[] = {
        {IDC_STATIC, "Static", nullptr, 0x50000003},
        {IDC_VERSION, "Static", TOBRIN_ABOUT_VERSION, 0x50020080},
        {IDC_STATIC, "Static", TOBRIN_COPYRIGHT, 0x50020000},
        {IDOK, "Button", "OK", 0x50030001},
        {IDC_STATIC, "Static", "チェックサム計算", 0x50020000},
        {IDC_STATIC, "Static", TOBRIN_RIGHTS, 0x50020080},
        {IDC_LINK, "Static", TOBRIN_HOME_URL, 0x50020000 | SS_NOTIFY},
    };
    ASSERT_NO_FATAL_FAILURE(Launch());
    const Window box = OpenAboutBox();
    ASSERT_TRUE(box) << "no About box appeared";
    char title[64] = "";
    GetWindowTextA(box.Handle(), title, sizeof title);
    EXPECT_STREQ(title, kAboutBoxTitle);

    const std::vector<Window> children = box.Children();
    ASSERT_EQ(children.size(), std::size(expected));
    for (size_t i = 0; i < children.size(); ++i) {
        SCOPED_TRACE("control #" + std::to_string(i + 1) + ", ID " + std::to_string(expected[i].id));
        EXPECT_EQ(static_cast<int16_t>(children[i].Id()), expected[i].id);
        EXPECT_STRCASEEQ(children[i].ClassName().c_str(), expected[i].className);
        if (expected[i].text) {
            EXPECT_EQ(children[i].Text(), expected[i].text);
        }
        EXPECT_EQ(children[i].Style(), expected[i].style) << std::hex << "style 0x" << children[i].Style();
    }
    EXPECT_FALSE(box.Item(IDC_LINK).Style() & WS_TABSTOP);
    // The focus goes to the first control that takes it, the OK button.
    EXPECT_TRUE(WaitUntil([&] { return app.FocusOnThreadOf(box).Handle() == box.Item(IDOK).Handle(); }));
}

// The box opens centred over the main window wherever that is, the main window takes no input while it is
// open, and OK, Esc and the close box close it and give the main window back.
TEST_F(AboutBoxTest, OpensCentredOverTheMainWindowWhichWaitsUntilItCloses)
{
    const struct {
        const char* name;
        bool move;
        int x, y;
        const char* close;
    } rows[] = {
        {"where the main window opened, closed with OK", false, 0, 0, "OK"},
        {"main window moved, closed with Esc", true, 300, 150, "Esc"},
        {"main window moved elsewhere, closed with the close box", true, 120, 40, "close box"},
    };
    ASSERT_NO_FATAL_FAILURE(Launch());
    const HWND main = dialog.Handle().Handle();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.move) {
            SetWindowPos(main, nullptr, row.x, row.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            ASSERT_TRUE(WaitUntil([&] { return dialog.Handle().ScreenRect().left == row.x; }));
        }
        const Window box = OpenAboutBox();
        ASSERT_TRUE(box) << "no About box appeared";
        const RECT outer = dialog.Handle().ScreenRect();
        const RECT inner = box.ScreenRect();
        // Centres in doubled pixels; one pixel of rounding either way.
        EXPECT_LE(std::abs((inner.left + inner.right) - (outer.left + outer.right)), 2);
        EXPECT_LE(std::abs((inner.top + inner.bottom) - (outer.top + outer.bottom)), 2);
        EXPECT_FALSE(IsWindowEnabled(main));

        if (std::strcmp(row.close, "OK") == 0) {
            box.Item(IDOK).PostClick();
        } else if (std::strcmp(row.close, "Esc") == 0) {
            ASSERT_NO_FATAL_FAILURE(BringToFront(box));
            PressKey(VK_ESCAPE);
        } else {
            PostMessageA(box.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        EXPECT_TRUE(WaitUntil([&] { return !box; }));
        EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(main) != FALSE; }));
        EXPECT_FALSE(app.HasExited());
        EXPECT_TRUE(dialog.Handle().IsVisible());
    }
}

// Each click on the link opens the home page once more and leaves the box open; a click on the version
// text, or anywhere else, does nothing.
TEST_F(AboutBoxTest, LinkOpensTheHomePageOnEveryClick)
{
    const struct {
        const char* name;
        int id;
        bool realClick;  // else a posted STN_CLICKED from the control
        double across;   // where the click lands: two quick clicks on one spot would be a double click
        bool opens;
    } rows[] = {
        {"click on the link", IDC_LINK, true, 0.2, true},
        {"click on the version text", IDC_VERSION, true, 0.5, false},
        {"STN_CLICKED from the link", IDC_LINK, false, 0, true},
        {"STN_CLICKED from the version text", IDC_VERSION, false, 0, false},
        {"click on the link again", IDC_LINK, true, 0.6, true},
    };
    const BrowserCapture browser(folder);
    ASSERT_TRUE(browser) << "the browser cannot be captured";
    ASSERT_NO_FATAL_FAILURE(Launch());
    const Window box = OpenAboutBox();
    ASSERT_TRUE(box) << "no About box appeared";
    std::vector<std::string> expected;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.realClick) {
            ASSERT_NO_FATAL_FAILURE(BringToFront(box));
            // Input that came before has been handled: a new click is no double click with an old one.
            box.Send(WM_NULL);
            Click(box.Item(row.id), row.across);
        } else {
            box.PostCommand(row.id, STN_CLICKED);
        }
        // The browser starts asynchronously; a row that opens nothing is seen by the next one that opens
        // something, and at the end.
        if (row.opens) {
            expected.push_back(TOBRIN_HOME_URL);
            EXPECT_EQ(browser.WaitForAddresses(expected.size()), expected);
        }
        EXPECT_TRUE(box.IsVisible());
    }
    box.Item(IDOK).PostClick();
    ASSERT_TRUE(WaitUntil([&] { return !box; }));
    dialog.Exit().PostClick();
    ASSERT_TRUE(app.WaitForExit());
    EXPECT_EQ(browser.Addresses(), expected);
}

// Each opening creates the link's font; closing the box deletes it. GetGuiResources(GR_GDIOBJECTS) counts
// the program's GDI objects; the probe answers from inside the program, where under Wine (whose
// GetGuiResources answers 0) it counts the entries of the process's GDI handle table.
TEST_F(AboutBoxTest, OpeningAndClosingLeavesNoGdiObjects)
{
    ASSERT_NO_FATAL_FAILURE(Launch());
    const ProcessProbe probe(app.Pid());
    ASSERT_TRUE(probe) << probe.Error();
    auto openAndClose = [&](long* whileOpen) {
        const Window box = OpenAboutBox();
        ASSERT_TRUE(box) << "no About box appeared";
        if (whileOpen) *whileOpen = probe.GdiObjects();
        box.Item(IDOK).PostClick();
        ASSERT_TRUE(WaitUntil([&] { return !box; }));
    };
    // The first opening may fill caches of the system's (the dialog font, the theme). Each count is taken
    // with the main dialog painted: painting creates objects of its own.
    ASSERT_NO_FATAL_FAILURE(openAndClose(nullptr));
    Settle();
    const long before = probe.GdiObjects();
    ASSERT_GT(before, 0) << "the GDI objects cannot be counted";
    long whileOpen = 0;
    ASSERT_NO_FATAL_FAILURE(openAndClose(&whileOpen));
    // The count sees the box's own objects, the link font among them.
    EXPECT_GT(whileOpen, before);
    for (int i = 0; i < 98; ++i) {
        SCOPED_TRACE("opening " + std::to_string(i + 3));
        ASSERT_NO_FATAL_FAILURE(openAndClose(nullptr));
    }
    // The system's own painting may hold a few objects more or less at any moment; one object left behind
    // by each opening would show as 99.
    Settle();
    EXPECT_NEAR(probe.GdiObjects(), before, 4);
}

}  // namespace
}  // namespace e2e
