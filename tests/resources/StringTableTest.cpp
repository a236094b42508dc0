// The string table: blocks of 16 counted UTF-16 strings, block n holding IDs 16(n-1) to 16n-1.
#include "ByteReader.h"
#include "TobrinExe.h"
#include "Utf16.h"

#include "res/resource.h"

#include <map>

TEST_F(TobrinExe, StringBlocksHoldTheProgramsStringsAndNothingElse)
{
    const std::map<uint32_t, std::string> strings = {
        {IDS_ABOUTBOX, "バージョン情報(&A)..."},
        {IDS_DONATIONS, "義援金リンク(&L)"},
        {IDS_SETTINGS_SECTION, "Setup"},
    };
    for (uint32_t block : {IDS_ABOUTBOX / 16 + 1, IDS_SETTINGS_SECTION / 16 + 1}) {
        SCOPED_TRACE("block " + std::to_string(block));
        const std::vector<uint8_t>& data = Data(kRtString, block);
        ByteReader r(data);
        for (uint32_t id = (block - 1) * 16; id < block * 16; ++id) {
            SCOPED_TRACE("string " + std::to_string(id));
            const auto it = strings.find(id);
            const std::u16string expected = it == strings.end() ? u"" : Utf16(it->second);
            const std::u16string actual = r.Chars(r.U16());
            EXPECT_EQ(actual, expected) << Utf8(actual);
        }
        EXPECT_TRUE(r.AtEnd()) << "bytes after the 16th string";
    }
}
