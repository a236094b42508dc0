// RefreshInputFile and ParseRange, through the dialog stand-in.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/engine/FakeDialog.h"
#include "tests/support/TempFile.h"

namespace {

void Refresh(FakeDialog& dlg, const std::string& path)
{
    dlg.m_strFile = path.c_str();
    dlg.RefreshInputFile();
}

TEST(RefreshInputFile, ProposesTheWholeFileForANewPath)
{
    TempFolder folder;
    struct SizeCase { size_t size; const char* end; } cases[] = {
        {0, "FFFFFFFF"},  // size - 1 wraps
        {1, "00000000"},
        {4096, "00000FFF"},
    };
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(c.size);
        FakeDialog dlg;
        Refresh(dlg, folder.Write("f" + std::to_string(c.size), std::vector<uint8_t>(c.size, 0x11)));
        EXPECT_STREQ(dlg.m_strStart, "00000000");
        EXPECT_STREQ(dlg.m_strEnd, c.end);
        EXPECT_STREQ(dlg.m_szLastPath, dlg.m_strFile);
    }
}

TEST(RefreshInputFile, KeepsTheTypedRangeForTheSamePathEvenWhenTheFileChanged)
{
    TempFolder folder;
    const std::string path = folder.Write("a.bin", std::vector<uint8_t>(16));
    FakeDialog dlg;
    Refresh(dlg, path);
    dlg.m_strStart = "4";
    dlg.m_strEnd = "8";
    folder.Write("a.bin", std::vector<uint8_t>(100));
    Refresh(dlg, path);
    EXPECT_STREQ(dlg.m_strStart, "4");
    EXPECT_STREQ(dlg.m_strEnd, "8");
}

TEST(RefreshInputFile, AnotherSpellingOfTheSameFileCountsAsAnotherFile)
{
    TempFolder folder;
    folder.Write("a.bin", std::vector<uint8_t>(16));
    FakeDialog dlg;
    Refresh(dlg, folder.Path("a.bin"));
    dlg.m_strStart = "4";
    Refresh(dlg, folder.Path(".") + "/a.bin");
    EXPECT_STREQ(dlg.m_strStart, "00000000");
    EXPECT_STREQ(dlg.m_strEnd, "0000000F");
}

TEST(RefreshInputFile, APathThatCannotBeOpenedChangesNothing)
{
    TempFolder folder;
    const std::string path = folder.Write("a.bin", std::vector<uint8_t>(16));
    FakeDialog dlg;
    Refresh(dlg, path);
    dlg.m_strStart = "4";

    const std::string unopenable[] = {folder.Path("missing.bin"), folder.Path(".")};  // a directory
    for (const std::string& other : unopenable) {
        SCOPED_TRACE(other);
        Refresh(dlg, other);
        EXPECT_STREQ(dlg.m_strStart, "4");
        EXPECT_STREQ(dlg.m_szLastPath, path.c_str());
    }
    // The last file opened named again still counts as the same file.
    Refresh(dlg, path);
    EXPECT_STREQ(dlg.m_strStart, "4");
}

TEST(RefreshInputFile, APathOver260BytesChangesNothing)
{
    FakeDialog dlg;
    dlg.m_strStart = "4";
    Refresh(dlg, std::string(261, 'a'));
    EXPECT_STREQ(dlg.m_szPath, "");
    EXPECT_STREQ(dlg.m_strStart, "4");
}

TEST(RefreshInputFile, AFileOf4GiBOrMoreProposesTheWholeAddressableRange)
{
    TempFolder folder;
    const uint64_t sizes[] = {uint64_t{1} << 32, (uint64_t{1} << 32) + 1, (uint64_t{1} << 32) + 0x1000};
    for (uint64_t size : sizes) {
        SCOPED_TRACE(size);
        const std::string path = folder.Write("big" + std::to_string(size), {});
        std::filesystem::resize_file(path, size);  // sparse: takes no room
        FakeDialog dlg;
        Refresh(dlg, path);
        EXPECT_STREQ(dlg.m_strEnd, "FFFFFFFF");
    }
}

struct ParseCase {
    const char* start;
    const char* end;
    int checkedButton;  // 0: none checked
    int result;
    uint32_t nStart, nEnd;
    uint16_t layout;
};

const ParseCase kParseCases[] = {
    // Alignment of 5..A in every layout.
    {"5", "A", IDC_LAYOUT1, RangeReady, 0x5, 0xA, Layout8Bit1},
    {"5", "A", IDC_LAYOUT2, RangeReady, 0x4, 0xB, Layout8Bit2},
    {"5", "A", IDC_LAYOUT3, RangeReady, 0x4, 0xB, Layout8Bit4},
    {"5", "A", IDC_LAYOUT4, RangeReady, 0x5, 0xA, Layout16Bit1},
    {"5", "A", IDC_LAYOUT5, RangeReady, 0x4, 0xB, Layout16Bit2},
    {"5", "A", IDC_LAYOUT6, RangeReady, 0x0, 0xF, Layout16Bit4},
    {"5", "A", 0, RangeReady, 0x0, 0xF, Layout16Bit4},  // none of the first five checked
    // Reversed ends are exchanged, then aligned.
    {"00001000", "00000FFF", IDC_LAYOUT1, RangeReady, 0xFFF, 0x1000, Layout8Bit1},
    {"00001000", "00000FFF", IDC_LAYOUT2, RangeReady, 0xFFE, 0x1001, Layout8Bit2},
    {"FFFFFFFE", "0", IDC_LAYOUT2, RangeReady, 0x0, 0xFFFFFFFF, Layout8Bit2},
    {"-1", "0x10", IDC_LAYOUT1, RangeReady, 0x10, 0xFFFFFFFF, Layout8Bit1},
    // Equal ends: -2 in every layout, even where alignment would widen them; the layout is not read.
    {"7", "7", IDC_LAYOUT1, RangeStartEqualsEnd, 7, 7, Layout8Bit4},
    {"7", "7", IDC_LAYOUT6, RangeStartEqualsEnd, 7, 7, Layout8Bit4},
    {"0x7", "07", IDC_LAYOUT6, RangeStartEqualsEnd, 7, 7, Layout8Bit4},
    // Empty texts come first, then unreadable ones; neither changes anything.
    {"", "A", IDC_LAYOUT1, RangeTextMissing, 0x123, 0x456, Layout8Bit4},
    {"", "G", IDC_LAYOUT1, RangeTextMissing, 0x123, 0x456, Layout8Bit4},
    {"5", "", IDC_LAYOUT1, RangeTextMissing, 0x123, 0x456, Layout8Bit4},
    {"G", "10", IDC_LAYOUT1, RangeUnreadable, 0x123, 0x456, Layout8Bit4},
    {"10", "  ", IDC_LAYOUT1, RangeUnreadable, 0x123, 0x456, Layout8Bit4},
    {"100000000", "0", IDC_LAYOUT1, RangeUnreadable, 0x123, 0x456, Layout8Bit4},
};

TEST(ParseRange, ReadsOrdersAndAlignsTheRange)
{
    for (const ParseCase& c : kParseCases) {
        SCOPED_TRACE(std::string(c.start) + ".." + c.end + " button " + std::to_string(c.checkedButton));
        FakeDialog dlg;
        dlg.m_nStart = 0x123;
        dlg.m_nEnd = 0x456;
        dlg.m_nLayout = Layout8Bit4;
        dlg.checkedLayout = c.checkedButton;
        dlg.m_strStart = c.start;
        dlg.m_strEnd = c.end;

        EXPECT_EQ(dlg.ParseRange(), c.result);
        EXPECT_EQ(dlg.m_nStart, c.nStart);
        EXPECT_EQ(dlg.m_nEnd, c.nEnd);
        EXPECT_EQ(dlg.m_nLayout, c.layout);
        // The texts always stay as typed.
        EXPECT_STREQ(dlg.m_strStart, c.start);
        EXPECT_STREQ(dlg.m_strEnd, c.end);
    }
}

} // namespace
