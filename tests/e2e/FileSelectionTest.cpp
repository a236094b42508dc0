// Naming the input file without typing it: the Open dialog behind 参照, a file dropped onto the path
// box, and the command line the program is started with.
#include "tests/e2e/DropFiles.h"
#include "tests/e2e/OpenDialog.h"
#include "tests/e2e/ProgramTest.h"

#include <ostream>

namespace e2e {
namespace {

// The header's "～" is 0x81 0x60 in code page 932.
#define TILDE " \x81\x60 "

const char kOpenTitle[] = "ファイル選択";
const char kBinaryFiles[] = "バイナリファイル (*.BIN; *.ROM;)";
const char kTooLong[] = "ファイルパスが長すぎます";
const char kNotFound[] = "入力ファイルが見つかりません";
const char kCompleted[] = "Completed End !";
const char kReportOfEight[] = "<<00000000" TILDE "00000007>>\r\n  ROM1: 00000024\r\n";

// The texts of the four boxes that naming a file may change.
struct Boxes {
    std::string file, start, end, result;
    bool operator==(const Boxes& other) const
    {
        return file == other.file && start == other.start && end == other.end && result == other.result;
    }
};

std::ostream& operator<<(std::ostream& out, const Boxes& boxes)
{
    return out << "{file \"" << boxes.file << "\", start \"" << boxes.start << "\", end \"" << boxes.end
               << "\", result \"" << boxes.result << "\"}";
}

Boxes Read(const MainDialog& dialog)
{
    return {dialog.File().Text(), dialog.Start().Text(), dialog.End().Text(), dialog.Result().Text()};
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// Creates a file of `bytes` bytes of path below the new folder `top`: folders of thirty "あ" each (two
// bytes each in code page 932, far fewer UTF-16 characters than bytes, so that the system opens the path
// by its ANSI name), then an ASCII file name that makes up the rest.
std::string WriteAtPathOfLength(const TempFolder& folder, const std::string& top, size_t bytes,
                                const std::vector<uint8_t>& contents)
{
    std::string thirty;
    for (int i = 0; i < 30; ++i) thirty += "あ";
    std::string path = folder.MakeFolder(top);
    while (path.size() + 1 + thirty.size() + 1 + 12 <= bytes) {
        path += "\\" + thirty;
        CreateDirectoryA(path.c_str(), nullptr);
    }
    path += "\\" + std::string(bytes - path.size() - 1 - 4, 'f') + ".bin";
    WriteFile(path, contents);
    return path;
}

class FileSelectionTest : public ProgramTest {
protected:
    // Calculates `path` over 0..7 through the dialog and checks that the report came.
    void CalculateEight(const std::string& path)
    {
        const MessageBoxContents box = ReadAndClose(dialog.Calculate(app, path, "0", "7"));
        ASSERT_EQ(box.text, kCompleted);
        ASSERT_EQ(dialog.Result().Text(), kReportOfEight);
    }

    // Clicks 参照 and waits for the Open dialog. Call with ASSERT_NO_FATAL_FAILURE.
    void Browse(OpenDialog* open)
    {
        *open = OpenDialog::Open(app, dialog.Handle(), dialog.Browse());
        ASSERT_TRUE(*open) << "no Open dialog appeared";
        ASSERT_TRUE(open->FileName()) << "the Open dialog has no file name box";
    }

    // Browses, chooses `name` and waits until the Open dialog has gone.
    void Choose(const std::string& name)
    {
        OpenDialog open;
        ASSERT_NO_FATAL_FAILURE(Browse(&open));
        open.TypeFileName(name);
        open.PostOk();
        ASSERT_TRUE(open.WaitClosed());
    }
};

// ---------------------------------------------------------------------------------------------------
// The Open dialog

TEST_F(FileSelectionTest, OpenDialogIsTitledFiltersBinaryFilesAndStartsInTheCurrentDirectory)
{
    // The same name beside the program and in the working directory, with different sizes: a bare name
    // typed into the dialog resolves against the working directory.
    const std::string exe = CopyProgram(folder.Path());
    folder.Write("same.bin", CountingBytes(8));
    const std::string work = folder.MakeFolder("work");
    const std::string chosen = folder.Write("work\\same.bin", CountingBytes(16));
    ASSERT_NO_FATAL_FAILURE(Launch(exe, "", work));

    OpenDialog open;
    ASSERT_NO_FATAL_FAILURE(Browse(&open));
    EXPECT_EQ(open.Title(), kOpenTitle);
    EXPECT_EQ(open.SelectedFileType(), kBinaryFiles);
    open.TypeFileName("same.bin");
    open.PostOk();
    ASSERT_TRUE(open.WaitClosed());
    EXPECT_EQ(Read(dialog), (Boxes{chosen, "00000000", "0000000F", ""}));
}

// Cancel shows the same texts again, though they went into the members and back, a typed path included.
TEST_F(FileSelectionTest, CancelLeavesEveryBoxAsItWas)
{
    const std::string eight = folder.Write("eight.bin", CountingBytes(8));
    const std::string sixteen = folder.Write("sixteen.bin", CountingBytes(16));
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_NO_FATAL_FAILURE(CalculateEight(eight));
    // Typed and not taken in yet: another existing file and another range.
    dialog.File().SetText(sixteen);
    dialog.Start().SetText("1");
    dialog.End().SetText("2");
    const Boxes before = Read(dialog);

    OpenDialog open;
    ASSERT_NO_FATAL_FAILURE(Browse(&open));
    open.PostCancel();
    ASSERT_TRUE(open.WaitClosed());
    EXPECT_EQ(Read(dialog), before);
}

// The file last loaded keeps the range typed before 参照; another file proposes its whole range.
TEST_F(FileSelectionTest, ChoosingTheLoadedFileKeepsTheTypedRangeAndAnotherFileResetsIt)
{
    const std::string eight = folder.Write("eight.bin", CountingBytes(8));
    const std::string sixteen = folder.Write("sixteen.bin", CountingBytes(16));
    const struct {
        const char* name;
        const char* typedStart;  // nullptr: the box is left as it is
        const char* typedEnd;
        std::string chosen;
        Boxes shown;
    } steps[] = {
        {"first file", nullptr, nullptr, eight, {eight, "00000000", "00000007", ""}},
        {"the loaded file after typing a start address", "3", nullptr, eight, {eight, "3", "00000007", ""}},
        {"another file after typing both addresses", "3", "5", sixteen, {sixteen, "00000000", "0000000F", ""}},
    };
    ASSERT_NO_FATAL_FAILURE(Launch());
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        if (step.typedStart) dialog.Start().SetText(step.typedStart);
        if (step.typedEnd) dialog.End().SetText(step.typedEnd);
        ASSERT_NO_FATAL_FAILURE(Choose(step.chosen));
        EXPECT_EQ(Read(dialog), step.shown);
    }
}

TEST_F(FileSelectionTest, TheOpenDialogRefusesANameThatDoesNotExistAndStaysOpen)
{
    const std::string eight = folder.Write("eight.bin", CountingBytes(8));
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_NO_FATAL_FAILURE(Choose(eight));
    const Boxes before = Read(dialog);

    OpenDialog open;
    ASSERT_NO_FATAL_FAILURE(Browse(&open));
    open.TypeFileName("missing.bin");
    open.PostOk();
    // The dialog says so in a box of its own, over itself.
    const MessageBoxReader refusal = app.WaitForMessageBox(open.Handle());
    EXPECT_TRUE(refusal) << "the Open dialog showed no message";
    if (refusal) {
        EXPECT_TRUE(refusal.Close());
    }
    EXPECT_TRUE(open) << "the Open dialog closed";
    open.PostCancel();
    ASSERT_TRUE(open.WaitClosed());
    EXPECT_EQ(Read(dialog), before);
}

// A chosen path with a character that code page 932 lacks would name another file, or none, in the
// program's 8-bit texts: it is refused, and every box keeps its text.
TEST_F(FileSelectionTest, AChosenPathOutsideTheCodePageIsRefused)
{
    const std::string eight = folder.Write("eight.bin", CountingBytes(8));
    // "가" (U+AC00), a Hangul syllable, is no character of code page 932.
    const std::wstring name = L"\uAC00.bin";
    wchar_t wideFolder[MAX_PATH] = L"";
    MultiByteToWideChar(CP_ACP, 0, folder.Path().c_str(), -1, wideFolder, MAX_PATH);
    const std::wstring widePath = std::wstring(wideFolder) + L"\\" + name;
    HANDLE file = CreateFileW(widePath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ::WriteFile(file, "\1\2\3\4", 4, &written, nullptr);
    CloseHandle(file);
    // The folder's clean-up goes by ANSI names, which cannot name this file.
    struct Remove {
        const std::wstring& path;
        ~Remove() { DeleteFileW(path.c_str()); }
    } remove{widePath};

    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_NO_FATAL_FAILURE(CalculateEight(eight));
    dialog.Start().SetText("1");
    dialog.End().SetText("2");
    const Boxes before = Read(dialog);

    OpenDialog open;
    ASSERT_NO_FATAL_FAILURE(Browse(&open));
    open.TypeFileName(name);
    open.PostOk();
    ASSERT_TRUE(open.WaitClosed());
    const MessageBoxContents box = ReadAndClose(app.WaitForMessageBox(dialog.Handle()));
    EXPECT_EQ(box.text, kNotFound);
    EXPECT_STREQ(IconName(box.icon), IconName(MessageIcon::Error));
    EXPECT_EQ(Read(dialog), before);
}

// ---------------------------------------------------------------------------------------------------
// Dropped files

// One file dropped is shown with the members' range texts (its whole range when it is another file);
// texts typed since the last exchange give way. Any other number of files changes nothing.
TEST_F(FileSelectionTest, ADroppedFileIsTakenAloneAndTheBoxesShowTheMembers)
{
    const std::string eight = folder.Write("eight.bin", CountingBytes(8));
    const std::string sixteen = folder.Write("sixteen.bin", CountingBytes(16));
    // Only the length matters: the folder does not exist.
    const std::string path260 = "C:\\" + std::string(257, 'a');
    ASSERT_EQ(path260.size(), 260u);
    const struct {
        const char* name;
        const char* typedStart;  // nullptr: the box is left as it is
        const char* typedEnd;
        std::vector<std::string> dropped;
        Boxes shown;
    } steps[] = {
        {"another file", nullptr, nullptr, {sixteen}, {sixteen, "00000000", "0000000F", kReportOfEight}},
        {"the same file after typing an end address", nullptr, "8", {sixteen},
         {sixteen, "00000000", "0000000F", kReportOfEight}},
        {"two files", "1", "2", {eight, sixteen}, {sixteen, "1", "2", kReportOfEight}},
        // Taken, though nothing can be opened there: the range stays that of the last file.
        {"a 260-byte path", nullptr, nullptr, {path260}, {path260, "00000000", "0000000F", kReportOfEight}},
        {"the first file again", nullptr, nullptr, {eight}, {eight, "00000000", "00000007", kReportOfEight}},
    };
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_NO_FATAL_FAILURE(CalculateEight(eight));
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        if (step.typedStart) dialog.Start().SetText(step.typedStart);
        if (step.typedEnd) dialog.End().SetText(step.typedEnd);
        ASSERT_TRUE(DropFiles(app, dialog.File(), step.dropped));
        EXPECT_EQ(Read(dialog), step.shown);
    }
    EXPECT_EQ(app.TopLevelWindows().size(), 1u) << "a message box is open";
}

// A calculation that ends with a message leaves its old report on the screen but no longer holds one.
TEST_F(FileSelectionTest, ADropAfterAFailedCalculationEmptiesTheResultBox)
{
    const std::string eight = folder.Write("eight.bin", CountingBytes(8));
    const std::string sixteen = folder.Write("sixteen.bin", CountingBytes(16));
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_NO_FATAL_FAILURE(CalculateEight(eight));
    const MessageBoxContents failure = ReadAndClose(dialog.Calculate(app, folder / "missing.bin", "0", "7"));
    ASSERT_EQ(failure.text, kNotFound);
    ASSERT_EQ(dialog.Result().Text(), kReportOfEight);

    ASSERT_TRUE(DropFiles(app, dialog.File(), {sixteen}));
    EXPECT_EQ(Read(dialog), (Boxes{sixteen, "00000000", "0000000F", ""}));
}

// The path box keeps its text, so the next calculation takes the file that it shows.
TEST_F(FileSelectionTest, ADroppedPathOver260BytesIsRefusedAndTheBoxesKeepTheirTexts)
{
    const std::string eight = folder.Write("eight.bin", CountingBytes(8));
    const std::string path261 = WriteAtPathOfLength(folder, "long", 261, CountingBytes(8));
    ASSERT_EQ(path261.size(), 261u);
    ASSERT_TRUE(FileExists(path261));
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_TRUE(DropFiles(app, dialog.File(), {eight}));
    dialog.Start().SetText("3");
    const Boxes before = Read(dialog);
    ASSERT_EQ(before, (Boxes{eight, "3", "00000007", ""}));

    ASSERT_TRUE(DropFiles(app, dialog.File(), {path261}));
    const MessageBoxContents box = ReadAndClose(app.WaitForMessageBox(dialog.Handle()));
    EXPECT_EQ(box.text, kTooLong);
    EXPECT_EQ(box.caption, "Tobrin");
    EXPECT_STREQ(IconName(box.icon), IconName(MessageIcon::Error));
    EXPECT_EQ(Read(dialog), before);

    // 04 + 05 + 06 + 07 + 08
    EXPECT_EQ(ReadAndClose(dialog.ClickCalc(app)).text, kCompleted);
    EXPECT_EQ(dialog.Result().Text(), "<<00000003" TILDE "00000007>>\r\n  ROM1: 0000001E\r\n");
}

// ---------------------------------------------------------------------------------------------------
// The command line

// The first piece between quotes (or the whole text) that names a file the program can open alone is
// loaded; a text that starts with "-" is not looked at.
TEST_F(FileSelectionTest, TheCommandLinePreloadsTheFirstFileThatCanBeOpened)
{
    const std::string exe = CopyProgram(folder.Path());
    const std::string blanks = folder.Write("with some blanks.bin", CountingBytes(8));
    const std::string second = folder.Write("second.bin", CountingBytes(16));
    const std::string missing = folder / "missing.bin";
    const std::string directory = folder.MakeFolder("folder.bin");
    // Held open by this process for the whole test: one sharing nothing, one sharing reading with others,
    // which the program refuses as well because it shares nothing itself.
    const std::string held = folder.Write("held.bin", CountingBytes(4));
    const std::string read = folder.Write("read.bin", CountingBytes(4));
    struct Holder {
        HANDLE handle;
        ~Holder() { CloseHandle(handle); }
    } holders[] = {
        {CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)},
        {CreateFileA(read.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)},
    };
    for (const Holder& holder : holders) ASSERT_NE(holder.handle, INVALID_HANDLE_VALUE);

    const Boxes blanksLoaded{blanks, "00000000", "00000007", ""};
    const Boxes secondLoaded{second, "00000000", "0000000F", ""};
    const Boxes nothing{"", "", "", ""};
    const struct {
        const char* name;
        std::string arguments;
        Boxes shown;
    } lines[] = {
        {"one unquoted path with blanks", blanks, blanksLoaded},
        {"two quoted files", Quoted(blanks) + " " + Quoted(second), blanksLoaded},
        {"a missing file, then an existing one", Quoted(missing) + " " + Quoted(second), secondLoaded},
        {"an option first", "-x " + Quoted(second), nothing},
        {"a dash joined to the path", "-" + second, nothing},
        {"only missing files", Quoted(missing) + " " + Quoted(folder / "other.bin"), nothing},
        {"only quotes", "\"\"\"\"", nothing},
        {"a directory", Quoted(directory), nothing},
        {"a file held open elsewhere", Quoted(held), nothing},
        {"a file read elsewhere", Quoted(read), nothing},
        {"a file held open elsewhere, then an existing one", Quoted(held) + " " + Quoted(second), secondLoaded},
    };
    for (const auto& line : lines) {
        SCOPED_TRACE(line.name);
        ASSERT_NO_FATAL_FAILURE(Launch(exe, Quoted(exe) + " " + line.arguments));
        EXPECT_EQ(Read(dialog), line.shown);
        dialog.Exit().PostClick();
        EXPECT_TRUE(app.WaitForExit());
    }
}

// The first path is measured before anything is opened: over 260 bytes it is shown with the message,
// and no range is proposed. Both paths name real files, so that only the length tells them apart.
TEST_F(FileSelectionTest, ACommandLinePathOver260BytesIsShownWithTheMessage)
{
    const std::string exe = CopyProgram(folder.Path());
    const struct {
        size_t bytes;
        const char* message;  // nullptr: none
        const char* start;
        const char* end;
    } paths[] = {
        {260, nullptr, "00000000", "00000007"},
        {261, kTooLong, "", ""},
    };
    for (const auto& row : paths) {
        SCOPED_TRACE(std::to_string(row.bytes) + " bytes");
        const std::string path =
            WriteAtPathOfLength(folder, "long" + std::to_string(row.bytes), row.bytes, CountingBytes(8));
        ASSERT_EQ(path.size(), row.bytes);
        ASSERT_TRUE(FileExists(path));
        app = AppProcess::Start(exe, Quoted(exe) + " " + Quoted(path), folder.Path());
        ASSERT_TRUE(app);
        if (row.message) {
            // Shown while the dialog is being set up, before the dialog itself.
            const MessageBoxContents box = ReadAndClose(MessageBoxReader(app.WaitForDialog("Tobrin")));
            EXPECT_EQ(box.text, row.message);
            EXPECT_STREQ(IconName(box.icon), IconName(MessageIcon::Error));
        }
        dialog = MainDialog(app.WaitForMainDialog());
        ASSERT_TRUE(dialog);
        EXPECT_EQ(Read(dialog), (Boxes{path, row.start, row.end, ""}));
        dialog.Exit().PostClick();
        EXPECT_TRUE(app.WaitForExit());
    }
}

}  // namespace
}  // namespace e2e
