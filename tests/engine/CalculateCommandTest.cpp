// The calculate command from end to end against the dialog stand-in.
#include <gtest/gtest.h>

#include "tests/engine/FakeDialog.h"
#include "tests/support/TempFile.h"

namespace {

#if defined(_WIN32)
const char kTilde[] = "\x81\x60";  // U+FF5E in code page 932
#else
const char kTilde[] = "\xEF\xBD\x9E";  // U+FF5E in UTF-8, the native build's narrow literals
#endif

std::string Header(const char* start, const char* end)
{
    return std::string("<<") + start + " " + kTilde + " " + end + ">>\r\n";
}

class CalculateCommandTest : public ::testing::Test {
protected:
    // Types the three boxes and picks a layout, as a user would, then presses 計算.
    void Calculate(const std::string& file, const std::string& start, const std::string& end,
                   int layoutButton = IDC_LAYOUT1)
    {
        dlg.fileBox = file;
        dlg.startBox = start;
        dlg.endBox = end;
        dlg.checkedLayout = layoutButton;
        dlg.events.clear();
        dlg.OnCalculate();
    }

    std::string File1To8() { return folder.Write("eight.bin", {1, 2, 3, 4, 5, 6, 7, 8}); }

    TempFolder folder;
    FakeDialog dlg;
};

TEST_F(CalculateCommandTest, ShowsTheReportAndAnnouncesTheEnd)
{
    const std::string path = File1To8();
    Calculate(path, "0", "7", IDC_LAYOUT3);

    EXPECT_EQ(dlg.resultBox, Header("00000000", "00000007") +
                                 "  ROM1: 00000006\r\n  ROM2: 00000008\r\n"
                                 "  ROM3: 0000000A\r\n  ROM4: 0000000C\r\n");
    EXPECT_EQ(dlg.events, (std::vector<std::string>{"cursor on", "cursor off",
                                                    FakeDialog::Message(kMsgCompleted, kIconInformation)}));
    EXPECT_EQ(dlg.progress.positions.back(), 100);
}

TEST_F(CalculateCommandTest, ReportsTheAlignedRangeAndOneLinePerDevice)
{
    const std::string path = File1To8();
    Calculate(path, "", "");  // the first calculation on a file proposes the whole file
    Calculate(path, "5", "A", IDC_LAYOUT6);
    EXPECT_EQ(dlg.resultBox, Header("00000000", "0000000F") +
                                 "  ROM1: 00000201\r\n  ROM2: 00000205\r\n"
                                 "  ROM3: 00000209\r\n  ROM4: 0000020D\r\n");
    EXPECT_EQ(dlg.startBox, "5");  // the boxes keep what was typed
    EXPECT_EQ(dlg.endBox, "A");

    Calculate(path, "0", "7", IDC_LAYOUT4);
    EXPECT_EQ(dlg.resultBox, Header("00000000", "00000007") + "  ROM1: 00000024\r\n");
}

TEST_F(CalculateCommandTest, ChecksRunInOrderAndTheFirstFailureIsShown)
{
    const std::string eight = File1To8();
    const std::string missing = folder.Path("missing.bin");
    struct CheckCase {
        std::string file, start, end;
        const char* message;
    } cases[] = {
        {"", "", "", kMsgNoInputFile},                       // the path checks come first
        {std::string(261, 'a'), "0", "7", kMsgPathTooLong},
        {std::string(260, 'a'), "0", "7", kMsgFileNotFound},  // 260 bytes go on to the opening
        {missing, "", "7", kMsgFileNotFound},                 // the file before the range
        {folder.Path("."), "0", "7", kMsgFileNotFound},       // a directory is no input file
        {eight, "", "7", kMsgAddressMissing},
        {eight, "0", "", kMsgAddressMissing},
        {eight, "7", "7", kMsgAddressInvalid},
        {eight, "G", "7", kMsgAddressInvalid},                // no number in the start text
        {eight, "0", "   ", kMsgAddressInvalid},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.file.substr(0, 40) + " [" + c.start + ".." + c.end + "]");
        FakeDialog fresh;
        // A range typed for the file the last calculation used, so no reset interferes.
        std::strcpy(fresh.m_szLastPath, c.file.size() <= 260 ? c.file.c_str() : "");
        fresh.fileBox = c.file;
        fresh.startBox = c.start;
        fresh.endBox = c.end;
        fresh.resultBox = "previous report";
        fresh.OnCalculate();
        EXPECT_EQ(fresh.events, std::vector<std::string>{FakeDialog::Message(c.message, kIconError)});
        EXPECT_EQ(fresh.resultBox, "previous report");  // no failure touches the box...
        EXPECT_TRUE(fresh.progress.positions.empty());   // ...or the progress bar
    }
}

TEST_F(CalculateCommandTest, AFailureKeepsThePreviousReport)
{
    const std::string path = File1To8();
    Calculate(path, "0", "7");
    const std::string report = dlg.resultBox;
    Calculate(path, "", "7");
    EXPECT_EQ(dlg.events, std::vector<std::string>{FakeDialog::Message(kMsgAddressMissing, kIconError)});
    EXPECT_EQ(dlg.resultBox, report);
    EXPECT_TRUE(dlg.m_strResult.IsEmpty());
}

TEST_F(CalculateCommandTest, ANewFileResetsTheTypedRangeAndTheSameFileKeepsIt)
{
    const std::string path = folder.Write("sixteen.bin", std::vector<uint8_t>(16, 1));
    Calculate(path, "2", "3");
    EXPECT_EQ(dlg.startBox, "00000000");
    EXPECT_EQ(dlg.endBox, "0000000F");
    EXPECT_EQ(dlg.resultBox, Header("00000000", "0000000F") + "  ROM1: 00000010\r\n");

    Calculate(path, "2", "3");  // same file: the edited range is summed
    EXPECT_EQ(dlg.startBox, "2");
    EXPECT_EQ(dlg.resultBox, Header("00000002", "00000003") + "  ROM1: 00000002\r\n");
}

TEST_F(CalculateCommandTest, ANewOneByteFileGivesEqualEnds)
{
    const std::string path = folder.Write("one.bin", {0x42});
    Calculate(path, "0", "FF");
    EXPECT_EQ(dlg.startBox, "00000000");
    EXPECT_EQ(dlg.endBox, "00000000");
    EXPECT_EQ(dlg.events, std::vector<std::string>{FakeDialog::Message(kMsgAddressInvalid, kIconError)});
}

#if defined(__linux__)
TEST_F(CalculateCommandTest, AReadErrorShowsAMessageInsteadOfAReport)
{
    // /proc/self/mem opens, has size 0 (so the range 0..FFFFFFFF is proposed) and fails its first read.
    dlg.resultBox = "previous report";
    Calculate("/proc/self/mem", "0", "0");
    EXPECT_EQ(dlg.events, (std::vector<std::string>{"cursor on", "cursor off",
                                                    FakeDialog::Message(kMsgReadFailed, kIconError)}));
    EXPECT_EQ(dlg.resultBox, "previous report");
}
#endif

} // namespace
