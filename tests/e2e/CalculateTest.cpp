// The 計算 command through the dialog: the report, the closing message and the failure messages.
#include "tests/e2e/ProgramTest.h"

#include <commctrl.h>

namespace e2e {
namespace {

// The header's "～" is 0x81 0x60 in code page 932.
#define TILDE " \x81\x60 "

const char kCompleted[] = "Completed End !";

using CalculateTest = ProgramTest;

// The bytes 01..08 with the range 0..7 in each layout.
TEST_F(CalculateTest, ReportsEachDeviceSumOfEveryLayout)
{
    const struct {
        int layout;
        const char* report;
    } layouts[] = {
        {1, "<<00000000" TILDE "00000007>>\r\n  ROM1: 00000024\r\n"},
        {2, "<<00000000" TILDE "00000007>>\r\n  ROM1: 00000010\r\n  ROM2: 00000014\r\n"},
        {3, "<<00000000" TILDE "00000007>>\r\n  ROM1: 00000006\r\n  ROM2: 00000008\r\n  ROM3: 0000000A\r\n  ROM4: 0000000C\r\n"},
        {4, "<<00000000" TILDE "00000007>>\r\n  ROM1: 00000024\r\n"},
        {5, "<<00000000" TILDE "00000007>>\r\n  ROM1: 0000000E\r\n  ROM2: 00000016\r\n"},
        {6, "<<00000000" TILDE "00000007>>\r\n  ROM1: 00000003\r\n  ROM2: 00000007\r\n  ROM3: 0000000B\r\n  ROM4: 0000000F\r\n"},
    };
    const std::string file = folder.Write("eight.bin", CountingBytes(8));
    ASSERT_NO_FATAL_FAILURE(Launch());

    for (const auto& row : layouts) {
        SCOPED_TRACE("layout " + std::to_string(row.layout));
        const MessageBoxContents box = ReadAndClose(dialog.Calculate(app, file, "0", "7", row.layout));
        EXPECT_EQ(box.text, kCompleted);
        EXPECT_EQ(box.caption, "Tobrin");
        EXPECT_STREQ(IconName(box.icon), IconName(MessageIcon::Information));
        EXPECT_EQ(dialog.Result().Text(), row.report);
        EXPECT_EQ(dialog.Progress().Send(PBM_GETPOS), 100);
    }
}

// Every message box is captioned with the executable's name without its extension.
TEST_F(CalculateTest, MessageCaptionIsTheExecutablesName)
{
    const struct {
        const char* exe;
        const char* caption;
    } names[] = {
        {"Tobrin.exe", "Tobrin"},
        {"Other.exe", "Other"},
        {"ver.1.2.exe", "ver.1.2"},
        {"表ソ.exe", "表ソ"},  // both end in the byte 0x5C, which is no separator there
    };
    for (const auto& row : names) {
        SCOPED_TRACE(row.exe);
        ASSERT_NO_FATAL_FAILURE(Launch(CopyProgram(folder.Path(), row.exe)));
        const MessageBoxContents box = ReadAndClose(dialog.ClickCalc(app));
        EXPECT_EQ(box.caption, row.caption);
        dialog.Exit().PostClick();
        EXPECT_TRUE(app.WaitForExit());
    }
}

// The checks run in a fixed order, each with its own message, and a failure keeps the last report.
TEST_F(CalculateTest, FailuresShowTheFirstFailingCheckAndKeepTheReport)
{
    const std::string file = folder.Write("eight.bin", CountingBytes(8));
    const std::string missing = folder / "missing.bin";
    // "C:\" and then 'a's: only the length matters, the folder does not exist.
    const std::string path260 = "C:\\" + std::string(257, 'a');
    const std::string path261 = "C:\\" + std::string(258, 'a');
    ASSERT_EQ(path261.size(), 261u);

    const char kNoFile[] = "入力ファイルを指定してください";
    const char kTooLong[] = "ファイルパスが長すぎます";
    const char kNotFound[] = "入力ファイルが見つかりません";
    const char kNoAddress[] = "開始または終了アドレスが入力されていません";
    const char kBadAddress[] = "開始と終了アドレスが不正です";
    // The rows run in order in one program: `file` is already the file last opened, so its range texts
    // are taken as typed.
    const struct {
        const char* name;
        std::string path;
        const char* start;
        const char* end;
        int layout;
        const char* message;
    } failures[] = {
        {"no path, no range", "", "", "", 1, kNoFile},
        {"261-byte path, no range", path261, "", "", 1, kTooLong},
        {"260-byte path is opened", path260, "", "", 1, kNotFound},
        {"missing file, no start", missing, "", "7", 1, kNotFound},
        {"no start", file, "", "7", 1, kNoAddress},
        {"no end", file, "3", "", 1, kNoAddress},
        {"start equals end", file, "5", "5", 1, kBadAddress},
        {"start equals end, even where alignment would widen it", file, "7", "7", 6, kBadAddress},
        {"start without a number", file, "G", "7", 1, kBadAddress},
        {"end without a number", file, "0", "   ", 1, kBadAddress},
    };
    ASSERT_NO_FATAL_FAILURE(Launch());
    const MessageBoxContents first = ReadAndClose(dialog.Calculate(app, file, "0", "7"));
    ASSERT_EQ(first.text, kCompleted);
    const std::string report = "<<00000000" TILDE "00000007>>\r\n  ROM1: 00000024\r\n";
    ASSERT_EQ(dialog.Result().Text(), report);

    for (const auto& row : failures) {
        SCOPED_TRACE(row.name);
        const MessageBoxContents box =
            ReadAndClose(dialog.Calculate(app, row.path, row.start, row.end, row.layout));
        EXPECT_EQ(box.text, row.message);
        EXPECT_EQ(box.caption, "Tobrin");
        EXPECT_STREQ(IconName(box.icon), IconName(MessageIcon::Error));
        EXPECT_EQ(dialog.Result().Text(), report);
        EXPECT_EQ(dialog.Progress().Send(PBM_GETPOS), 100);
    }
}

// A text of nine characters (typed past the limit only through WM_SETTEXT) stops the exchange from the
// boxes with the framework's warning; the command then goes on with what was taken in before it: the
// empty path.
TEST_F(CalculateTest, AnOverlongAddressIsRefusedByTheDataExchange)
{
    ASSERT_NO_FATAL_FAILURE(Launch());
    const MessageBoxContents warning = ReadAndClose(dialog.Calculate(app, "", "123456789", "0"));
    EXPECT_EQ(warning.text, "8 文字以内で入力してください。");
    EXPECT_EQ(warning.caption, "Tobrin");
    EXPECT_STREQ(IconName(warning.icon), IconName(MessageIcon::Warning));

    const MessageBoxContents next = ReadAndClose(app.WaitForMessageBox(dialog.Handle()));
    EXPECT_EQ(next.text, "入力ファイルを指定してください");
    EXPECT_EQ(dialog.Result().Text(), "");
}

// A newly named file proposes its whole range; the same file again keeps the typed range.
TEST_F(CalculateTest, RangeTextsFollowANewFileAndStayForTheSameFile)
{
    const std::string eight = folder.Write("eight.bin", CountingBytes(8));
    const std::string sixteen = folder.Write("sixteen.bin", CountingBytes(16));
    const std::string empty = folder.Write("empty.bin", {});
    const struct {
        const char* name;
        std::string path;
        const char* typedStart;
        const char* typedEnd;
        const char* shownStart;
        const char* shownEnd;
        const char* report;
    } steps[] = {
        {"first file", eight, "1", "3", "00000000", "00000007", "<<00000000" TILDE "00000007>>\r\n  ROM1: 00000024\r\n"},
        {"same file", eight, "1", "3", "1", "3", "<<00000001" TILDE "00000003>>\r\n  ROM1: 00000009\r\n"},
        {"same file, reversed range", eight, "6", "4", "6", "4", "<<00000004" TILDE "00000006>>\r\n  ROM1: 00000012\r\n"},
        {"another file", sixteen, "2", "4", "00000000", "0000000F", "<<00000000" TILDE "0000000F>>\r\n  ROM1: 00000088\r\n"},
        // 2^32 positions past the end of the file, each counted as FF: the sum wraps to 0.
        {"empty file", empty, "2", "4", "00000000", "FFFFFFFF", "<<00000000" TILDE "FFFFFFFF>>\r\n  ROM1: 00000000\r\n"},
        {"back to the first file", eight, "1", "3", "00000000", "00000007", "<<00000000" TILDE "00000007>>\r\n  ROM1: 00000024\r\n"},
    };
    ASSERT_NO_FATAL_FAILURE(Launch());
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        const MessageBoxContents box = ReadAndClose(dialog.Calculate(app, step.path, step.typedStart, step.typedEnd));
        EXPECT_EQ(box.text, kCompleted);
        EXPECT_EQ(dialog.Start().Text(), step.shownStart);
        EXPECT_EQ(dialog.End().Text(), step.shownEnd);
        EXPECT_EQ(dialog.Result().Text(), step.report);
    }
}

}  // namespace
}  // namespace e2e
