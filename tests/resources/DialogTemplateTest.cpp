// The two dialog templates as stored in Tobrin.exe: header, font and every control in template order.
#include "DialogTemplate.h"
#include "TobrinExe.h"
#include "Utf16.h"

#include "res/Version.h"
#include "res/resource.h"

#include <cstring>

namespace {

struct ExpectedControl {
    uint32_t id;
    const char* windowClass;    // a predefined class is stored as its ordinal
    const char* text;           // UTF-8; nullptr for an icon static, which names its icon by number
    uint16_t icon;
    int16_t x, y, cx, cy;
    uint32_t style, exStyle;
};

struct ExpectedDialog {
    uint32_t id;
    uint32_t style, exStyle;
    int16_t x, y, cx, cy;
    const char* title;
    uint16_t pointSize;
    const char* typeface;
    uint8_t charset;
    std::vector<ExpectedControl> controls;
};

constexpr uint32_t kStatic = static_cast<uint32_t>(IDC_STATIC);
constexpr uint32_t kIdOk = 1;     // IDOK of winuser.h

const ExpectedDialog kMain = {
    IDD_MAIN, 0x90C800C0, 0x00040000, 0, 0, 266, 300, "チェックサム計算", 9, "ＭＳ ゴシック", 1, {
        {IDC_FILE, "EDIT", "", 0, 12, 20, 180, 14, 0x50810080, 0x10},
        {IDC_BROWSE, "BUTTON", "参照", 0, 199, 20, 50, 14, 0x50010000, 0},
        {IDC_LAYOUT1, "BUTTON", "8bit 分割なし", 0, 12, 58, 66, 10, 0x50030009, 0},
        {IDC_LAYOUT2, "BUTTON", "8bit 2分割（16bit幅で使用）", 0, 12, 94, 120, 10, 0x50010009, 0},
        {IDC_LAYOUT3, "BUTTON", "8bit 4分割（32bit幅で使用）", 0, 12, 129, 120, 10, 0x50010009, 0},
        {IDC_LAYOUT4, "BUTTON", "16bit 分割なし", 0, 132, 58, 74, 10, 0x50010009, 0},
        {IDC_LAYOUT5, "BUTTON", "16bit 2分割（32bit幅で使用）", 0, 132, 94, 122, 10, 0x50010009, 0},
        {IDC_LAYOUT6, "BUTTON", "16bit 4分割（64bit幅で使用）", 0, 134, 129, 120, 10, 0x50010009, 0},
        {IDC_START, "EDIT", "", 0, 147, 187, 40, 14, 0x50810088, 0x1000},
        {IDC_END, "EDIT", "", 0, 206, 187, 40, 14, 0x50810088, 0x1000},
        {IDC_CALC, "BUTTON", "計算", 0, 138, 217, 50, 50, 0x50010001, 0},
        {kIdOk, "BUTTON", "終了", 0, 207, 217, 50, 50, 0x50010000, 0},
        {kStatic, "BUTTON", "入力ファイル", 0, 8, 8, 250, 35, 0x50000007, 0},
        {kStatic, "BUTTON", "計算範囲", 0, 138, 174, 120, 35, 0x50000007, 0},
        {kStatic, "BUTTON", "構成", 0, 8, 46, 250, 122, 0x50000007, 0},
        {kStatic, "BUTTON", "結果", 0, 7, 174, 121, 94, 0x50000007, 0},
        {IDC_RESULT, "EDIT", "", 0, 12, 189, 110, 69, 0x50000884, 0},
        {IDC_PROGRESS, "msctls_progress32", "Progress1", 0, 7, 275, 251, 14, 0x50800000, 0},
        {kStatic, "STATIC", "～", 0, 193, 190, 8, 8, 0x5002000C, 0},
        {IDC_LAYOUT1_ROM1, "STATIC", nullptr, IDI_ROM1_8BIT, 22, 69, 20, 20, 0x50000103, 0},
        {IDC_LAYOUT2_ROM1, "STATIC", nullptr, IDI_ROM1_8BIT, 22, 105, 20, 20, 0x50000103, 0},
        {IDC_LAYOUT2_ROM2, "STATIC", nullptr, IDI_ROM2_8BIT, 46, 105, 20, 20, 0x50000103, 0},
        {IDC_LAYOUT3_ROM1, "STATIC", nullptr, IDI_ROM1_8BIT, 22, 141, 20, 20, 0x50000103, 0},
        {IDC_LAYOUT3_ROM2, "STATIC", nullptr, IDI_ROM2_8BIT, 46, 141, 20, 20, 0x50000103, 0},
        {IDC_LAYOUT3_ROM3, "STATIC", nullptr, IDI_ROM3_8BIT, 70, 141, 20, 20, 0x50000103, 0},
        {IDC_LAYOUT3_ROM4, "STATIC", nullptr, IDI_ROM4_8BIT, 94, 141, 20, 20, 0x50000103, 0},
        {IDC_LAYOUT4_ROM1, "STATIC", nullptr, IDI_ROM1_16BIT, 141, 69, 20, 20, 0x50000103, 0},
        {IDC_LAYOUT5_ROM1, "STATIC", nullptr, IDI_ROM1_16BIT, 141, 106, 20, 20, 0x50000103, 0},
        {IDC_LAYOUT5_ROM2, "STATIC", nullptr, IDI_ROM2_16BIT, 165, 106, 20, 20, 0x50000103, 0},
        {IDC_LAYOUT6_ROM1, "STATIC", nullptr, IDI_ROM1_16BIT, 141, 142, 20, 20, 0x50000103, 0},
        {IDC_LAYOUT6_ROM2, "STATIC", nullptr, IDI_ROM2_16BIT, 165, 142, 20, 20, 0x50000103, 0},
        {IDC_LAYOUT6_ROM3, "STATIC", nullptr, IDI_ROM3_16BIT, 189, 142, 21, 21, 0x50000103, 0},
        {IDC_LAYOUT6_ROM4, "STATIC", nullptr, IDI_ROM4_16BIT, 213, 142, 21, 21, 0x50000103, 0},
    }};

const ExpectedDialog kAbout = {
    IDD_ABOUTBOX, 0x80C800C0, 0, 0, 0, 203, 107, "バージョン情報", 9, "ＭＳ Ｐゴシック", 0, {
        {kStatic, "STATIC", nullptr, IDR_MAINFRAME, 10, 19, 20, 20, 0x50000003, 0},
        {IDC_VERSION, "STATIC", "Version", 0, 96, 12, 90, 8, 0x50020080, 0},
        {kStatic, "STATIC", TOBRIN_COPYRIGHT, 0, 42, 30, 154, 8, 0x50020000, 0},
        {kIdOk, "BUTTON", "OK", 0, 78, 84, 50, 14, 0x50030001, 0},
        {kStatic, "STATIC", "チェックサム計算", 0, 42, 12, 51, 8, 0x50020000, 0},
        {kStatic, "STATIC", TOBRIN_RIGHTS, 0, 42, 48, 90, 8, 0x50020080, 0},
        {IDC_LINK, "STATIC", TOBRIN_HOME_URL, 0, 42, 66, 132, 8, 0x50020000, 0},
    }};

// The ordinals of the predefined classes; 0 for a class stored by name.
uint16_t ClassOrdinal(const char* name)
{
    if (std::strcmp(name, "BUTTON") == 0) return 0x0080;
    if (std::strcmp(name, "EDIT") == 0) return 0x0081;
    if (std::strcmp(name, "STATIC") == 0) return 0x0082;
    return 0;
}

std::u16string Upper(std::u16string s)
{
    for (char16_t& c : s)
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    return s;
}

void ExpectDialog(const DialogTemplate& d, const ExpectedDialog& expected)
{
    EXPECT_EQ(d.helpId, 0u);
    EXPECT_EQ(d.style, expected.style);
    EXPECT_EQ(d.exStyle, expected.exStyle);
    EXPECT_EQ(d.x, expected.x);
    EXPECT_EQ(d.y, expected.y);
    EXPECT_EQ(d.cx, expected.cx);
    EXPECT_EQ(d.cy, expected.cy);
    EXPECT_TRUE(!d.menu.isOrdinal && d.menu.text.empty()) << "a menu";
    EXPECT_TRUE(!d.windowClass.isOrdinal && d.windowClass.text.empty()) << "a dialog class of its own";
    EXPECT_EQ(Utf8(d.title), expected.title);
    EXPECT_EQ(d.title, Utf16(expected.title));
    EXPECT_EQ(d.pointSize, expected.pointSize);
    EXPECT_EQ(d.weight, 0);
    EXPECT_EQ(d.italic, 0);
    EXPECT_EQ(d.charset, expected.charset);
    EXPECT_EQ(d.typeface, Utf16(expected.typeface)) << Utf8(d.typeface);

    ASSERT_EQ(d.items.size(), expected.controls.size());
    for (size_t i = 0; i < d.items.size(); ++i) {
        const DialogItem& item = d.items[i];
        const ExpectedControl& c = expected.controls[i];
        SCOPED_TRACE("control " + std::to_string(i + 1) + " (ID " + std::to_string(static_cast<int32_t>(c.id)) + ")");
        EXPECT_EQ(item.id, c.id);
        if (const uint16_t ordinal = ClassOrdinal(c.windowClass)) {
            EXPECT_TRUE(item.windowClass.isOrdinal);
            EXPECT_EQ(item.windowClass.ordinal, ordinal);
        } else {
            // By name: window class names are case-insensitive, and windres stores them upper-cased.
            EXPECT_FALSE(item.windowClass.isOrdinal);
            EXPECT_EQ(Upper(item.windowClass.text), Upper(Utf16(c.windowClass))) << Utf8(item.windowClass.text);
        }
        if (c.text == nullptr) {
            EXPECT_TRUE(item.title.isOrdinal) << "the icon named by a text";
            EXPECT_EQ(item.title.ordinal, c.icon);
        } else {
            EXPECT_FALSE(item.title.isOrdinal);
            EXPECT_EQ(item.title.text, Utf16(c.text)) << Utf8(item.title.text);
        }
        EXPECT_EQ(item.x, c.x);
        EXPECT_EQ(item.y, c.y);
        EXPECT_EQ(item.cx, c.cx);
        EXPECT_EQ(item.cy, c.cy);
        EXPECT_EQ(item.style, c.style) << std::hex << item.style;
        EXPECT_EQ(item.exStyle, c.exStyle);
        EXPECT_EQ(item.helpId, 0u);
        EXPECT_EQ(item.extraCount, 0) << "creation data";
    }
}

} // namespace

TEST_F(TobrinExe, DialogTemplatesMatchTheirLayout)
{
    for (const ExpectedDialog* expected : {&kMain, &kAbout}) {
        SCOPED_TRACE("dialog " + std::to_string(expected->id));
        const DialogTemplate d = ParseDialogTemplate(Data(kRtDialog, expected->id));
        EXPECT_EQ(d.version, 1);
        EXPECT_EQ(d.signature, 0xFFFF);
        ExpectDialog(d, *expected);
    }
}
