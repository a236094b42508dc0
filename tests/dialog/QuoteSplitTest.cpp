#include "dialog/QuoteSplit.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
    const char* commandLine;
    std::vector<std::string> pieces;
};

const SplitCase kCases[] = {
    {"C:\\rom\\a b.bin", {"C:\\rom\\a b.bin"}},                 // blanks do not separate
    {"\"C:\\a.bin\"", {"C:\\a.bin"}},                           // quotes at the ends give no empty piece
    {"\"C:\\a.bin\" \"C:\\b.bin\"", {"C:\\a.bin", " ", "C:\\b.bin"}},  // the blank between is a piece
    {"\"C:\\a.bin\"  \"C:\\b.bin\"", {"C:\\a.bin", "  ", "C:\\b.bin"}},
    {"\"\"C:\\a.bin\"\"\"", {"C:\\a.bin"}},                     // a run of quotes is one separator
    {"C:\\a.bin C:\\b.bin", {"C:\\a.bin C:\\b.bin"}},           // unquoted paths stay one piece
    {"\"\"\"", {}},
    {"", {}},
    {"a\"b", {"a", "b"}},
    {"\"\x95\x5C.bin\"", {"\x95\x5C.bin"}},                     // double-byte characters pass whole
};

TEST(SplitAtQuotes, SplitsAsStrtokWithTheQuoteAsDelimiter)
{
    for (const SplitCase& c : kCases) {
        SCOPED_TRACE(c.commandLine);
        EXPECT_EQ(SplitAtQuotes(c.commandLine), c.pieces);
    }
}

} // namespace
