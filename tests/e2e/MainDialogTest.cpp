// The main dialog as the user meets it: its start state, its controls, the layout pictures and the keys.
#include "tests/e2e/ProgramTest.h"

#include "res/resource.h"

#include <commctrl.h>

#include <cstring>

namespace e2e {
namespace {

using MainDialogTest = ProgramTest;

TEST_F(MainDialogTest, StartsEmptyWithTheFirstLayoutAndTheFocusInThePathBox)
{
    ASSERT_NO_FATAL_FAILURE(Launch());

    EXPECT_EQ(dialog.File().Text(), "");
    EXPECT_EQ(dialog.Start().Text(), "");
    EXPECT_EQ(dialog.End().Text(), "");
    EXPECT_EQ(dialog.Result().Text(), "");
    EXPECT_EQ(dialog.CheckedLayouts(), std::vector<int>{1});
    EXPECT_EQ(dialog.Progress().Send(PBM_GETPOS), 0);
    // The dialog puts the focus on its first tab stop once its initialisation has returned.
    Window focus;
    WaitUntil([&] { return (focus = app.FocusOnThreadOf(dialog.Handle())).Handle() != nullptr; });
    EXPECT_EQ(focus.Handle(), dialog.File().Handle());
}

// The controls of the running dialog, in creation (Z and tab) order, with the styles of the template.
TEST_F(MainDialogTest, CreatesTheControlsOfItsTemplateInOrder)
{
    struct Control {
        int id;
        const char* className;
        DWORD style;
        DWORD exStyle;
    };
    const Control expected[] = {
        {IDC_FILE, "Edit", 0x50810080, WS_EX_ACCEPTFILES},
        {IDC_BROWSE, "Button", 0x50010000, 0},
        {IDC_LAYOUT1, "Button", 0x50030009, 0},
        {IDC_LAYOUT2, "Button", 0x50010009, 0},
        {IDC_LAYOUT3, "Button", 0x50010009, 0},
        {IDC_LAYOUT4, "Button", 0x50010009, 0},
        {IDC_LAYOUT5, "Button", 0x50010009, 0},
        {IDC_LAYOUT6, "Button", 0x50010009, 0},
        {IDC_START, "Edit", 0x50810088, WS_EX_RIGHT},
        {IDC_END, "Edit", 0x50810088, WS_EX_RIGHT},
        {IDC_CALC, "Button", 0x50010001, 0},
        {IDOK, "Button", 0x50010000, 0},
        {IDC_STATIC, "Button", 0x50000007, 0},
        {IDC_STATIC, "Button", 0x50000007, 0},
        {IDC_STATIC, "Button", 0x50000007, 0},
        {IDC_STATIC, "Button", 0x50000007, 0},
        {IDC_RESULT, "Edit", 0x50000884, 0},
        {IDC_PROGRESS, "msctls_progress32", 0x50800000, 0},
        {IDC_STATIC, "Static", 0x5002000C, 0},
        {IDC_LAYOUT1_ROM1, "Static", 0x50000103, 0},
        {IDC_LAYOUT2_ROM1, "Static", 0x50000103, 0},
        {IDC_LAYOUT2_ROM2, "Static", 0x50000103, 0},
        {IDC_LAYOUT3_ROM1, "Static", 0x50000103, 0},
        {IDC_LAYOUT3_ROM2, "Static", 0x50000103, 0},
        {IDC_LAYOUT3_ROM3, "Static", 0x50000103, 0},
        {IDC_LAYOUT3_ROM4, "Static", 0x50000103, 0},
        {IDC_LAYOUT4_ROM1, "Static", 0x50000103, 0},
        {IDC_LAYOUT5_ROM1, "Static", 0x50000103, 0},
        {IDC_LAYOUT5_ROM2, "Static", 0x50000103, 0},
        {IDC_LAYOUT6_ROM1, "Static", 0x50000103, 0},
        {IDC_LAYOUT6_ROM2, "Static", 0x50000103, 0},
        {IDC_LAYOUT6_ROM3, "Static", 0x50000103, 0},
        {IDC_LAYOUT6_ROM4, "Static", 0x50000103, 0},
    };
    ASSERT_NO_FATAL_FAILURE(Launch());

    const std::vector<Window> children = dialog.Handle().Children();
    ASSERT_EQ(children.size(), std::size(expected));
    for (size_t i = 0; i < children.size(); ++i) {
        const Window child = children[i];
        SCOPED_TRACE("control #" + std::to_string(i + 1) + ", ID " + std::to_string(expected[i].id));
        EXPECT_EQ(static_cast<int16_t>(child.Id()), expected[i].id);
        EXPECT_STRCASEEQ(child.ClassName().c_str(), expected[i].className);
        DWORD style = child.Style();
        DWORD exStyle = child.ExStyle();
        // Every control of a dialog is created with WS_EX_NOPARENTNOTIFY. The border of an edit box
        // becomes the sunken edge WS_EX_CLIENTEDGE in a dialog; Wine's themed progress bar draws its
        // own frame and drops WS_BORDER. Either counts as the template's border.
        exStyle &= ~WS_EX_NOPARENTNOTIFY;
        if ((expected[i].style & WS_BORDER) && !(style & WS_BORDER)) {
            style |= WS_BORDER;
            exStyle &= ~(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE);
        }
        // A radio button holds WS_TABSTOP while it is checked and gives it up when it is unchecked, so
        // that Tab reaches a group at its selected button. With common controls 6 Wine also unchecks
        // the group's other buttons when one is checked, so at the start only IDC_LAYOUT1 keeps it.
        const bool radio = std::strcmp(expected[i].className, "Button") == 0 &&
                           (expected[i].style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
        if (radio && !child.IsChecked()) style |= expected[i].style & WS_TABSTOP;
        EXPECT_EQ(style, expected[i].style) << std::hex << "style 0x" << child.Style();
        EXPECT_EQ(exStyle, expected[i].exStyle) << std::hex << "extended style 0x" << child.ExStyle();
    }
}

// A click on a picture selects the radio button of its layout and clears the other five.
TEST_F(MainDialogTest, PictureClickSelectsOnlyTheLayoutOfItsRow)
{
    const struct {
        int picture;
        int layout;
    } pictures[] = {
        {IDC_LAYOUT1_ROM1, 1}, {IDC_LAYOUT2_ROM1, 2}, {IDC_LAYOUT2_ROM2, 2}, {IDC_LAYOUT3_ROM1, 3},
        {IDC_LAYOUT3_ROM2, 3}, {IDC_LAYOUT3_ROM3, 3}, {IDC_LAYOUT3_ROM4, 3}, {IDC_LAYOUT4_ROM1, 4},
        {IDC_LAYOUT5_ROM1, 5}, {IDC_LAYOUT5_ROM2, 5}, {IDC_LAYOUT6_ROM1, 6}, {IDC_LAYOUT6_ROM2, 6},
        {IDC_LAYOUT6_ROM3, 6}, {IDC_LAYOUT6_ROM4, 6},
    };
    ASSERT_NO_FATAL_FAILURE(Launch());

    for (const auto& row : pictures) {
        SCOPED_TRACE("picture " + std::to_string(row.picture));
        // First another layout, chosen on its radio button. The click also gives the button the focus;
        // waiting for that too makes sure the click is done when that layout was checked already.
        const int other = row.layout == 2 ? 5 : 2;
        dialog.Layout(other).PostClick();
        ASSERT_TRUE(WaitUntil([&] {
            return dialog.CheckedLayouts() == std::vector<int>{other} &&
                   app.FocusOnThreadOf(dialog.Handle()).Handle() == dialog.Layout(other).Handle();
        }, 3000));

        const HWND focus = app.FocusOnThreadOf(dialog.Handle()).Handle();

        dialog.Handle().PostCommand(row.picture, STN_CLICKED);
        EXPECT_TRUE(WaitUntil([&] { return dialog.Layout(row.layout).IsChecked(); }, 3000));
        EXPECT_EQ(dialog.CheckedLayouts(), std::vector<int>{row.layout});
        EXPECT_EQ(app.FocusOnThreadOf(dialog.Handle()).Handle(), focus) << "the focus moved";
    }
    // A picture of the layout already selected leaves the selection as it is. The dialog's messages
    // are handled in the order they were posted: once the typed character is in, the click is done.
    dialog.Handle().PostCommand(IDC_LAYOUT6_ROM1, STN_CLICKED);
    dialog.File().TypeChars("x");
    ASSERT_EQ(dialog.File().Text(), "x");
    EXPECT_EQ(dialog.CheckedLayouts(), std::vector<int>{6});
}

// Typed letters turn upper case, and a ninth character is refused (WM_SETTEXT would bypass the limit).
TEST_F(MainDialogTest, AddressBoxesTakeEightCharactersInUpperCase)
{
    ASSERT_NO_FATAL_FAILURE(Launch());
    for (int id : {IDC_START, IDC_END}) {
        SCOPED_TRACE(id == IDC_START ? "start" : "end");
        const Window box = dialog.Handle().Item(id);
        box.TypeChars("abcdef123");
        EXPECT_EQ(box.Text(), "ABCDEF12");
    }
}

// Real key presses go to the foreground window; the dialog is made that before each one.
class MainDialogKeyTest : public ProgramTest {
protected:
    void Press(WORD key)
    {
        SetForegroundWindow(dialog.Handle().Handle());
        ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == dialog.Handle().Handle(); }));
        PressKey(key);
    }
};

// Tab walks the tab stops in template order, entering the radio group at its selected button.
TEST_F(MainDialogKeyTest, TabVisitsTheTabStopsInOrder)
{
    const int order[] = {IDC_BROWSE, IDC_LAYOUT1, IDC_START, IDC_END, IDC_CALC, IDOK, IDC_FILE};
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_TRUE(WaitUntil([&] { return app.FocusOnThreadOf(dialog.Handle()).Handle() == dialog.File().Handle(); }));
    for (int id : order) {
        SCOPED_TRACE("to control " + std::to_string(id));
        ASSERT_NO_FATAL_FAILURE(Press(VK_TAB));
        const HWND expected = dialog.Handle().Item(id).Handle();
        EXPECT_TRUE(WaitUntil([&] { return app.FocusOnThreadOf(dialog.Handle()).Handle() == expected; }, 2000));
    }
}

// 計算 is the default button: Enter on an edit box or a radio button presses it.
TEST_F(MainDialogKeyTest, EnterPressesCalculate)
{
    const struct {
        const char* focus;
        int tabs;
        int control;
    } places[] = {{"path box", 0, IDC_FILE}, {"radio button", 2, IDC_LAYOUT1}, {"start box", 3, IDC_START}};
    const std::string file = folder.Write("eight.bin", CountingBytes(8));
    for (const auto& place : places) {
        SCOPED_TRACE(place.focus);
        ASSERT_NO_FATAL_FAILURE(Launch());
        dialog.File().SetText(file);
        for (int i = 0; i < place.tabs; ++i) ASSERT_NO_FATAL_FAILURE(Press(VK_TAB));
        const HWND control = dialog.Handle().Item(place.control).Handle();
        ASSERT_TRUE(WaitUntil([&] { return app.FocusOnThreadOf(dialog.Handle()).Handle() == control; }, 2000));

        ASSERT_NO_FATAL_FAILURE(Press(VK_RETURN));
        const MessageBoxContents box = ReadAndClose(app.WaitForMessageBox(dialog.Handle()));
        EXPECT_EQ(box.text, "Completed End !");
        EXPECT_EQ(dialog.Result().Text(), "<<00000000 \x81\x60 00000007>>\r\n  ROM1: 00000024\r\n");
        dialog.Exit().PostClick();
        EXPECT_TRUE(app.WaitForExit());
    }
}

TEST_F(MainDialogKeyTest, F1ShowsNothing)
{
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_NO_FATAL_FAILURE(Press(VK_F1));
    // Keys are handled in the order they were pressed: once the A typed after F1 is in the path box,
    // F1 has been handled.
    ASSERT_NO_FATAL_FAILURE(Press('A'));
    ASSERT_TRUE(WaitUntil([&] { return dialog.File().Text() == "a"; }));

    const std::vector<Window> windows = app.TopLevelWindows();
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(windows[0].Handle(), dialog.Handle().Handle());
}

TEST_F(MainDialogKeyTest, EscEndsTheProgram)
{
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_NO_FATAL_FAILURE(Press(VK_ESCAPE));
    EXPECT_TRUE(app.WaitForExit());
}

// 終了 (IDOK) and the close box end the dialog and the program; Esc is tested with the keys.
TEST_F(MainDialogTest, ExitButtonAndCloseBoxEndTheProgram)
{
    for (const char* way : {"exit button", "close box"}) {
        SCOPED_TRACE(way);
        ASSERT_NO_FATAL_FAILURE(Launch());
        if (std::strcmp(way, "exit button") == 0)
            dialog.Exit().PostClick();
        else
            PostMessageA(dialog.Handle().Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_TRUE(app.WaitForExit());
    }
}

}  // namespace
}  // namespace e2e
