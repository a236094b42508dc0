// The command line: what each accepted form sets, and the usage errors.
#include "cli/Arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

bool Parse(std::vector<const char*> words, Arguments* arguments, std::string* error)
{
    words.insert(words.begin(), "tobrin-sum");
    return ParseArguments(static_cast<int>(words.size()), words.data(), arguments, error);
}

TEST(ArgumentsTest, ReadsEveryOption)
{
    struct Case {
        std::vector<const char*> words;
        unsigned layout;
        InputFormat format;
        const char* start;  // nullptr: not given
        const char* end;
    } cases[] = {
        {{"a.bin"}, 1, InputFormat::Binary, nullptr, nullptr},
        {{"--layout", "16bit-4", "a.bin"}, 6, InputFormat::Binary, nullptr, nullptr},
        {{"--layout=3", "a.bin"}, 3, InputFormat::Binary, nullptr, nullptr},
        {{"a.bin", "--format", "ihex", "--start", "10", "--end=-1"}, 1, InputFormat::IntelHex, "10", "-1"},
        {{"--format=auto", "--layout", "8bit-2", "--layout", "16bit-1", "a.bin"}, 4, InputFormat::Auto, nullptr, nullptr},
        {{"--start", "", "a.bin"}, 1, InputFormat::Binary, "", nullptr},  // refused later, as a range
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::vector<std::string>(c.words.begin(), c.words.end())));
        Arguments arguments;
        std::string error;
        ASSERT_TRUE(Parse(c.words, &arguments, &error)) << error;
        EXPECT_EQ(arguments.file, "a.bin");
        EXPECT_EQ(arguments.layout, c.layout);
        EXPECT_EQ(arguments.format, c.format);
        EXPECT_EQ(arguments.start.has_value(), c.start != nullptr);
        if (c.start) {
            EXPECT_EQ(*arguments.start, c.start);
        }
        EXPECT_EQ(arguments.end.has_value(), c.end != nullptr);
        if (c.end) {
            EXPECT_EQ(*arguments.end, c.end);
        }
    }
}

TEST(ArgumentsTest, TakesJsonSplitAndAFileAfterTheEndOfOptions)
{
    Arguments arguments;
    std::string error;
    ASSERT_TRUE(Parse({"--json", "--split", "out", "--", "--odd-name"}, &arguments, &error)) << error;
    EXPECT_TRUE(arguments.json);
    EXPECT_EQ(arguments.splitDirectory.value_or(""), "out");
    EXPECT_EQ(arguments.file, "--odd-name");
}

TEST(ArgumentsTest, RefusesWhatItCannotRead)
{
    struct Case {
        std::vector<const char*> words;
        const char* message;
    } cases[] = {
        {{}, "no input file"},
        {{"a.bin", "b.bin"}, "more than one input file"},
        {{"--layout", "32bit-1", "a.bin"}, "unknown layout '32bit-1'"},
        {{"--layout", "7", "a.bin"}, "unknown layout '7'"},
        {{"--format", "elf", "a.bin"}, "unknown format 'elf'"},
        {{"a.bin", "--end"}, "option --end needs a value"},
        {{"--split=", "a.bin"}, "option --split needs a directory"},
        {{"--verbose", "a.bin"}, "unknown option '--verbose'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        Arguments arguments;
        std::string error;
        EXPECT_FALSE(Parse(c.words, &arguments, &error));
        EXPECT_NE(error.find(c.message), std::string::npos) << error;
    }
}

TEST(ArgumentsTest, HelpAndVersionNeedNoFile)
{
    Arguments arguments;
    std::string error;
    ASSERT_TRUE(Parse({"--help"}, &arguments, &error));
    EXPECT_TRUE(arguments.help);
    ASSERT_TRUE(Parse({"--version"}, &arguments, &error));
    EXPECT_TRUE(arguments.version);
}

} // namespace
