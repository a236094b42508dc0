// The built tobrin-sum as a process: the bytes it prints (under Wine, the dialog's CP932 text with CR
// LF), its exit codes and its one line on stderr; natively, the same image given as binary, Intel HEX
// and S-records, the last two made by srec_cat, gives the same sums and split images.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "tests/support/TempFile.h"

#if !defined(_WIN32)
#include <sys/wait.h>
#endif

namespace {

struct ProgramResult {
    int exitCode;
    std::string out, err;
};

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A path as the shell of this platform takes it. Under Wine the build's Unix paths live on drive Z:.
std::string ShellWord(std::string path)
{
#if defined(_WIN32)
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;  // the build and temporary folders have no spaces
#else
    return "'" + path + "'";
#endif
}

int System(const std::string& command)
{
    const int status = std::system(command.c_str());
#if defined(_WIN32)
    return status;
#else
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

class ProgramTest : public ::testing::Test {
protected:
    ProgramResult Run(const std::string& arguments)
    {
        const std::string out = m_folder.Path("stdout"), err = m_folder.Path("stderr");
        const int code = System(ShellWord(TOBRIN_SUM_EXE) + " " + arguments + " >" + ShellWord(out) + " 2>" +
                                ShellWord(err));
        return {code, ReadText(out), ReadText(err)};
    }

    TempFolder m_folder;
};

TEST_F(ProgramTest, PrintsTheReportInThePlatformsEncodingAndLineEnds)
{
    const std::string eight = m_folder.Write("eight.bin", {1, 2, 3, 4, 5, 6, 7, 8});
    const ProgramResult result = Run("--layout 8bit-2 " + ShellWord(eight));
    EXPECT_EQ(result.exitCode, 0);
#if defined(_WIN32)
    // The full-width tilde in code page 932, CR LF line ends.
    EXPECT_EQ(result.out, "<<00000000 \x81\x60 00000007>>\r\n  ROM1: 00000010\r\n  ROM2: 00000014\r\n");
#else
    EXPECT_EQ(result.out, "<<00000000 \xEF\xBD\x9E 00000007>>\n  ROM1: 00000010\n  ROM2: 00000014\n");
#endif
    EXPECT_EQ(result.err, "");
}

TEST_F(ProgramTest, ExitsWithTheFailuresCodeAndOneLineOnStderr)
{
    const std::string eight = m_folder.Write("eight.bin", {1, 2, 3, 4, 5, 6, 7, 8});
    struct Case {
        std::string arguments;
        int code;
        const char* message;
    } cases[] = {
        {"--start 7 --end 7 " + ShellWord(eight), 4,
         "tobrin-sum: start and end are both 00000007: the range needs two different addresses"},
        {"--frobnicate " + ShellWord(eight), 2, "tobrin-sum: unknown option '--frobnicate' (try --help)"},
        {ShellWord(m_folder.Path("missing.bin")), 3, "tobrin-sum: cannot open '"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const ProgramResult result = Run(c.arguments);
        EXPECT_EQ(result.exitCode, c.code);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.rfind(c.message, 0), 0u) << result.err;
        // One line: LF, or CR LF from the text-mode stderr on Windows.
        EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
    }
}

#if defined(TOBRIN_SREC_CAT)
TEST_F(ProgramTest, TheSameImageAsBinaryHexAndSRecordsGivesTheSameSumsAndSplitImages)
{
    // 0x12345 random bytes, with a run of 0xFF that srec_cat leaves out (-unfill), so that the records
    // have a gap; past 64 KiB, so that Intel HEX needs an extended address.
    std::mt19937 random(42);
    std::vector<uint8_t> bytes(0x12345);
    for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
    std::fill(bytes.begin() + 0x8000, bytes.begin() + 0x9800, 0xFF);
    bytes.back() = 0x5A;
    const std::string binary = m_folder.Write("image.bin", bytes);
    const std::string srecCat = ShellWord(TOBRIN_SREC_CAT);
    const std::string source = ShellWord(binary) + " -binary -unfill 0xFF 16";
    ASSERT_EQ(System(srecCat + " " + source + " -o " + ShellWord(m_folder.Path("image.hex")) + " -intel"), 0);
    ASSERT_EQ(System(srecCat + " " + source + " -o " + ShellWord(m_folder.Path("image.s37")) +
                     " -motorola -address-length=4"),
              0);
    ASSERT_EQ(System(srecCat + " " + ShellWord(binary) + " -binary -o " + ShellWord(m_folder.Path("image.s19")) +
                     " -motorola"),
              0);
    ASSERT_NE(ReadText(m_folder.Path("image.hex")).find(":02000004"), std::string::npos);

    const struct {
        const char* format;
        const char* file;
    } inputs[] = {{"ihex", "image.hex"}, {"srec", "image.s37"}, {"auto", "image.s19"}, {"auto", "image.hex"}};
    for (const char* layout : {"8bit-1", "8bit-2", "8bit-4", "16bit-1", "16bit-2", "16bit-4"}) {
        SCOPED_TRACE(layout);
        const std::string common = std::string("--json --layout ") + layout + " --start 100 ";
        const std::string binarySplit = m_folder.Path(std::string("split-") + layout);
        const ProgramResult expected = Run(common + "--split " + ShellWord(binarySplit) + " " + ShellWord(binary));
        ASSERT_EQ(expected.exitCode, 0) << expected.err;
        for (const auto& input : inputs) {
            SCOPED_TRACE(input.file);
            const std::string split = binarySplit + "-" + input.file;
            const ProgramResult result = Run(common + "--format " + input.format + " --split " + ShellWord(split) +
                                             " " + ShellWord(m_folder.Path(input.file)));
            ASSERT_EQ(result.exitCode, 0) << result.err;
            const std::string format = input.file[6] == 'h' ? "\"ihex\"" : "\"srec\"";
            EXPECT_EQ(result.out.substr(result.out.find(",\"layout\"")),
                      expected.out.substr(expected.out.find(",\"layout\"")));
            EXPECT_NE(result.out.find(format), std::string::npos) << result.out;
            for (int device = 1; device <= 4; ++device) {
                const std::string name = "/ROM" + std::to_string(device) + ".bin";
                EXPECT_EQ(ReadText(split + name), ReadText(binarySplit + name)) << name;
            }
        }
    }
}
#endif

} // namespace
