// tobrin-sum run in this process: the report, the JSON object and the split images against the engine's
// known cases, the range rules it shares with the dialog, and the failures with their exit codes.
#include "cli/TobrinSum.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>
#include <string>
#include <vector>

#include "cli/Output.h"
#include "tests/support/TempFile.h"

namespace {

class TobrinSumTest : public ::testing::Test {
protected:
    // Runs tobrin-sum with `words` after the program name; the output is kept in m_output.
    int Run(std::vector<std::string> words)
    {
        std::vector<const char*> argv = {"tobrin-sum"};
        for (const std::string& w : words) argv.push_back(w.c_str());
        m_output = RunOutput();
        return RunTobrinSum(static_cast<int>(argv.size()), argv.data(), &m_output, nullptr);
    }

    std::string Bytes1To8() { return m_folder.Write("eight.bin", {1, 2, 3, 4, 5, 6, 7, 8}); }

    static std::vector<uint8_t> ReadFile(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
    }

    // The files in `directory`, by name.
    static std::vector<std::string> FileNames(const std::string& directory)
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(directory)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    TempFolder m_folder;
    RunOutput m_output;
};

// The text with each "\n" as the platform's line end.
std::string Lines(const std::string& text)
{
    std::string result;
    for (char c : text) {
        if (c == '\n') result += kLineEnd; else result += c;
    }
    return result;
}

struct ReportCase {
    std::vector<std::string> options;
    bool emptyFile;
    const char* report;
    const char* jsonDevices;
};

const ReportCase kReportCases[] = {
    // The bytes 01..08; with no range given, the whole file 0..7.
    {{"--layout", "8bit-1"}, false, "<<00000000 ～ 00000007>>\n  ROM1: 00000024\n",
     R"({"device":"ROM1","sum":"00000024","sum16":"0024"})"},
    {{"--layout", "8bit-2"}, false, "<<00000000 ～ 00000007>>\n  ROM1: 00000010\n  ROM2: 00000014\n",
     R"({"device":"ROM1","sum":"00000010","sum16":"0010"},{"device":"ROM2","sum":"00000014","sum16":"0014"})"},
    {{"--layout", "8bit-4"}, false,
     "<<00000000 ～ 00000007>>\n  ROM1: 00000006\n  ROM2: 00000008\n  ROM3: 0000000A\n  ROM4: 0000000C\n",
     R"({"device":"ROM1","sum":"00000006","sum16":"0006"},{"device":"ROM2","sum":"00000008","sum16":"0008"},)"
     R"({"device":"ROM3","sum":"0000000A","sum16":"000A"},{"device":"ROM4","sum":"0000000C","sum16":"000C"})"},
    {{"--layout", "16bit-1"}, false, "<<00000000 ～ 00000007>>\n  ROM1: 00000024\n",
     R"({"device":"ROM1","sum":"00000024","sum16":"0024"})"},
    {{"--layout", "16bit-2"}, false, "<<00000000 ～ 00000007>>\n  ROM1: 0000000E\n  ROM2: 00000016\n",
     R"({"device":"ROM1","sum":"0000000E","sum16":"000E"},{"device":"ROM2","sum":"00000016","sum16":"0016"})"},
    {{"--layout", "6"}, false,
     "<<00000000 ～ 00000007>>\n  ROM1: 00000003\n  ROM2: 00000007\n  ROM3: 0000000B\n  ROM4: 0000000F\n",
     R"({"device":"ROM1","sum":"00000003","sum16":"0003"},{"device":"ROM2","sum":"00000007","sum16":"0007"},)"
     R"({"device":"ROM3","sum":"0000000B","sum16":"000B"},{"device":"ROM4","sum":"0000000F","sum16":"000F"})"},
    // 8..F lie past the end of the file and count as 0xFF.
    {{"--end", "F"}, false, "<<00000000 ～ 0000000F>>\n  ROM1: 0000081C\n",
     R"({"device":"ROM1","sum":"0000081C","sum16":"081C"})"},
    {{"--layout", "8bit-2", "--start", "0", "--end", "0xF"}, false,
     "<<00000000 ～ 0000000F>>\n  ROM1: 0000040C\n  ROM2: 00000410\n",
     R"({"device":"ROM1","sum":"0000040C","sum16":"040C"},{"device":"ROM2","sum":"00000410","sum16":"0410"})"},
    // An empty file: the whole address range, 2^32 bytes 0xFF.
    {{}, true, "<<00000000 ～ FFFFFFFF>>\n  ROM1: 00000000\n", R"({"device":"ROM1","sum":"00000000","sum16":"0000"})"},
    {{"--layout", "8bit-2"}, true, "<<00000000 ～ FFFFFFFF>>\n  ROM1: 80000000\n  ROM2: 80000000\n",
     R"({"device":"ROM1","sum":"80000000","sum16":"0000"},{"device":"ROM2","sum":"80000000","sum16":"0000"})"},
    {{"--layout", "8bit-4"}, true,
     "<<00000000 ～ FFFFFFFF>>\n  ROM1: C0000000\n  ROM2: C0000000\n  ROM3: C0000000\n  ROM4: C0000000\n",
     R"({"device":"ROM1","sum":"C0000000","sum16":"0000"},{"device":"ROM2","sum":"C0000000","sum16":"0000"},)"
     R"({"device":"ROM3","sum":"C0000000","sum16":"0000"},{"device":"ROM4","sum":"C0000000","sum16":"0000"})"},
};

TEST_F(TobrinSumTest, ReportsAndJsonForTheKnownCases)
{
    const std::string eight = Bytes1To8();
    const std::string empty = m_folder.Write("empty.bin", {});
    for (const ReportCase& c : kReportCases) {
        std::vector<std::string> words = c.options;
        words.push_back(c.emptyFile ? empty : eight);
        SCOPED_TRACE(testing::PrintToString(words));

        ASSERT_EQ(Run(words), ExitOk) << m_output.errors;
        EXPECT_EQ(m_output.out, Lines(c.report));
        EXPECT_EQ(m_output.errors, "");

        words.push_back("--json");
        ASSERT_EQ(Run(words), ExitOk) << m_output.errors;
        EXPECT_NE(m_output.out.find(std::string("\"devices\":[") + c.jsonDevices + "]}"), std::string::npos)
            << m_output.out;
    }
}

TEST_F(TobrinSumTest, JsonNamesFormatLayoutAndRange)
{
    ASSERT_EQ(Run({"--json", "--layout", "16bit-2", "--start", "1", "--end", "6", Bytes1To8()}), ExitOk);
    EXPECT_EQ(m_output.out, Lines(R"({"format":"binary","layout":"16bit-2","layout_number":5,)"
                                  R"("start":"00000000","end":"00000007","devices":[)"
                                  R"({"device":"ROM1","sum":"0000000E","sum16":"000E"},)"
                                  R"({"device":"ROM2","sum":"00000016","sum16":"0016"}]})"
                                  "\n"));
}

TEST_F(TobrinSumTest, ReadsAndAlignsTheRangeLikeTheDialog)
{
    const std::string sixteen = m_folder.Write("sixteen.bin", std::vector<uint8_t>(16, 1));
    struct Case {
        std::vector<std::string> options;
        const char* header;
    } cases[] = {
        {{"--start", "5", "--end", "A"}, "<<00000005 ～ 0000000A>>"},
        {{"--start", "5", "--end", "A", "--layout", "8bit-2"}, "<<00000004 ～ 0000000B>>"},
        {{"--start", "5", "--end", "A", "--layout", "16bit-4"}, "<<00000000 ～ 0000000F>>"},
        {{"--start", "A", "--end", "5"}, "<<00000005 ～ 0000000A>>"},          // ordered
        {{"--start", "3"}, "<<00000003 ～ 0000000F>>"},                         // the end of the file
        {{"--end", "-1", "--start", "FFFFFFF0"}, "<<FFFFFFF0 ～ FFFFFFFF>>"},   // -1 is FFFFFFFF
        {{"--start", "  0x2zz", "--end", "000000004"}, "<<00000002 ～ 00000004>>"},  // the rest ignored
        {{"--end", "FFFFFFFE", "--layout", "8bit-2"}, "<<00000000 ～ FFFFFFFF>>"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> words = c.options;
        words.push_back(sixteen);
        SCOPED_TRACE(testing::PrintToString(words));
        ASSERT_EQ(Run(words), ExitOk) << m_output.errors;
        EXPECT_EQ(m_output.out.substr(0, m_output.out.find(kLineEnd)), c.header);
    }
}

TEST_F(TobrinSumTest, SplitImagesHoldEachDeviceShareOfTheRange)
{
    const std::string eight = Bytes1To8();
    // The range 0..F: the bytes 01..08 and eight positions 0xFF past the end of the file.
    const uint8_t F = 0xFF;
    struct Case {
        const char* layout;
        std::vector<std::vector<uint8_t>> files;
    } cases[] = {
        {"8bit-1", {{1, 2, 3, 4, 5, 6, 7, 8, F, F, F, F, F, F, F, F}}},
        {"8bit-2", {{1, 3, 5, 7, F, F, F, F}, {2, 4, 6, 8, F, F, F, F}}},
        {"8bit-4", {{1, 5, F, F}, {2, 6, F, F}, {3, 7, F, F}, {4, 8, F, F}}},
        {"16bit-1", {{1, 2, 3, 4, 5, 6, 7, 8, F, F, F, F, F, F, F, F}}},
        {"16bit-2", {{1, 2, 5, 6, F, F, F, F}, {3, 4, 7, 8, F, F, F, F}}},
        {"16bit-4", {{1, 2, F, F}, {3, 4, F, F}, {5, 6, F, F}, {7, 8, F, F}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.layout);
        const std::string directory = m_folder.Path(std::string("split-") + c.layout);
        ASSERT_EQ(Run({"--layout", c.layout, "--end", "F", "--split", directory, "--json", eight}), ExitOk)
            << m_output.errors;
        std::vector<std::string> names;
        for (size_t device = 0; device < c.files.size(); ++device) {
            names.push_back("ROM" + std::to_string(device + 1) + ".bin");
            const std::vector<uint8_t> bytes = ReadFile(directory + "/" + names.back());
            EXPECT_EQ(bytes, c.files[device]) << names.back();
            // The file's byte sum is the device's sum in the report.
            char sum[32];
            std::snprintf(sum, sizeof sum, "\"sum\":\"%08X\"", std::accumulate(bytes.begin(), bytes.end(), 0u));
            EXPECT_NE(m_output.out.find(sum), std::string::npos) << m_output.out;
        }
        EXPECT_EQ(FileNames(directory), names);  // no other device, nothing left over
    }
}

TEST_F(TobrinSumTest, HexAndSRecordImagesAreTheirRecordsWithGapsOfFF)
{
    // 11 22 at 0, 33 at 5 and 44 at 10000 (behind an extended address): the binary 11 22 FF FF FF 33,
    // then FF up to 10000.
    std::vector<uint8_t> binary(0x10001, 0xFF);
    binary[0] = 0x11, binary[1] = 0x22, binary[5] = 0x33, binary[0x10000] = 0x44;
    const std::string binaryPath = m_folder.Write("image.bin", binary);
    auto text = [](const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); };
    const std::string hexPath = m_folder.Write(
        "image.hex", text(":020000001122CB\r\n:0100050033C7\r\n:020000040001F9\r\n:0100000044BB\r\n:00000001FF\r\n"));
    const std::string srecPath = m_folder.Write(
        "image.s28", text("S0050000686929\nS2060000001122C6\nS20500000533C2\nS20501000044B5\nS5030003F9\nS804000000FB\n"));
    for (const char* layout : {"8bit-1", "8bit-2", "8bit-4", "16bit-1", "16bit-2", "16bit-4"}) {
        SCOPED_TRACE(layout);
        ASSERT_EQ(Run({"--layout", layout, binaryPath}), ExitOk) << m_output.errors;
        const std::string expected = m_output.out;
        const std::pair<const char*, std::string> inputs[] = {
            {"ihex", hexPath}, {"srec", srecPath}, {"auto", hexPath}, {"auto", srecPath}, {"auto", binaryPath}};
        for (const auto& input : inputs) {
            SCOPED_TRACE(input.first + (" " + input.second));
            ASSERT_EQ(Run({"--layout", layout, "--format", input.first, input.second}), ExitOk) << m_output.errors;
            EXPECT_EQ(m_output.out, expected);
        }
    }
}

TEST_F(TobrinSumTest, TellsHexAndSRecordsFromBinaryByTheFirstLine)
{
    auto text = [](const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); };
    const struct {
        const char* content;
        InputFormat format;
    } cases[] = {
        {":00000001FF\n", InputFormat::IntelHex},
        {"\r\n  :0100000042BD\r\n", InputFormat::IntelHex},
        {"S0030000FC\n", InputFormat::SRecord},
        {"S9030000FC", InputFormat::SRecord},  // the whole file is one line
        {":0100000042BD\x7F\n", InputFormat::Binary},  // not only digits up to the line end
        {":\n", InputFormat::Binary},
        {"S\n", InputFormat::Binary},
        {"SX030000FC\n", InputFormat::Binary},
        {"\x01\x02\x03", InputFormat::Binary},
        {"", InputFormat::Binary},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.content)));
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
            std::fopen(m_folder.Write("probe", text(c.content)).c_str(), "rb"), std::fclose);
        ASSERT_TRUE(file);
        EXPECT_EQ(DetectFormat(file.get()), c.format);
        EXPECT_EQ(std::ftell(file.get()), 0);
    }
}

TEST_F(TobrinSumTest, EachFailureHasItsExitCodeAndOneLineAndWritesNoSplitImage)
{
    const std::string eight = Bytes1To8();
    auto text = [](const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); };
    const std::string badHex = m_folder.Write("bad.hex", text(":0100000042BD\n:0100000042BE\n:00000001FF\n"));
    const std::string directory = m_folder.Path("never");
    struct Case {
        std::vector<std::string> words;
        int code;
        std::string message;
    } cases[] = {
        {{"--layout", "9", eight}, ExitUsage, "tobrin-sum: unknown layout '9'"},
        {{}, ExitUsage, "tobrin-sum: no input file (try --help)"},
        {{m_folder.Path("missing.bin")}, ExitFileNotFound, "tobrin-sum: cannot open '" + m_folder.Path("missing.bin") + "'"},
        {{m_folder.Path(".")}, ExitFileNotFound, "tobrin-sum: cannot open"},
        {{"--format", "ihex", m_folder.Path("missing.hex")}, ExitFileNotFound, "tobrin-sum: cannot open"},
        {{"--start", "G", eight}, ExitBadRange, "tobrin-sum: start address 'G' is not a hexadecimal number of at most 32 bits"},
        {{"--end", "100000000", eight}, ExitBadRange, "tobrin-sum: end address '100000000' is not a hexadecimal"},
        {{"--start", "", eight}, ExitBadRange, "tobrin-sum: empty start address"},
        {{"--start", "7", "--end", "0x7", "--layout", "16bit-4", eight}, ExitBadRange,
         "tobrin-sum: start and end are both 00000007: the range needs two different addresses"},
        // A one-byte file proposes 0..0, as in the dialog.
        {{m_folder.Write("one.bin", {9})}, ExitBadRange, "tobrin-sum: start and end are both 00000000"},
        {{"--format", "ihex", badHex}, ExitBadRecords,
         "tobrin-sum: " + badHex + ":2: bad checksum 0xBE, the record's bytes need 0xBD"},
        {{"--format", "ihex", eight}, ExitBadRecords, "tobrin-sum: " + eight + ":1: record does not begin with ':'"},
#if defined(__linux__)
        // Reading this process's memory at address 0 fails with EIO during the pass.
        {{"/proc/self/mem"}, ExitIoError, "tobrin-sum: read error in '/proc/self/mem' during the pass"},
#endif
    };
    for (const Case& c : cases) {
        std::vector<std::string> words = {"--split", directory};
        words.insert(words.end(), c.words.begin(), c.words.end());
        SCOPED_TRACE(testing::PrintToString(words));
        EXPECT_EQ(Run(words), c.code);
        EXPECT_EQ(m_output.errors.compare(0, c.message.size(), c.message), 0) << m_output.errors;
        EXPECT_EQ(m_output.errors.find('\n'), m_output.errors.size() - 1) << "one line";
        EXPECT_EQ(m_output.out, "");
        EXPECT_FALSE(std::filesystem::exists(directory));
    }
}

TEST_F(TobrinSumTest, HelpAndVersion)
{
    ASSERT_EQ(Run({"--help"}), ExitOk);
    EXPECT_EQ(m_output.out.rfind(Lines("Usage: tobrin-sum [options] FILE\n"), 0), 0u);
    ASSERT_EQ(Run({"--version"}), ExitOk);
    EXPECT_EQ(m_output.out.rfind("tobrin-sum ", 0), 0u);
}

} // namespace
