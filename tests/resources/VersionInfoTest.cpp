// The version record: its fixed part, the Japanese string table in key order, and the translation.
#include "ByteReader.h"
#include "TobrinExe.h"
#include "Utf16.h"
#include "VersionInfo.h"

#include "res/Version.h"

TEST_F(TobrinExe, VersionRecordFixedPart)
{
    const VersionNode root = ParseVersionInfo(Data(kRtVersion, 1));
    EXPECT_EQ(root.key, u"VS_VERSION_INFO");
    EXPECT_EQ(root.type, 0);
    ASSERT_EQ(root.value.size(), 52u) << "VS_FIXEDFILEINFO";
    ByteReader r(root.value);
    EXPECT_EQ(r.U32(), 0xFEEF04BDu);        // signature
    EXPECT_EQ(r.U32(), 0x00010000u);        // structure version 1.0
    EXPECT_EQ(r.U32(), 0x00010002u);        // file version 1.2
    EXPECT_EQ(r.U32(), 0x00000000u);        //              .0.0
    EXPECT_EQ(r.U32(), 0x00010002u);        // product version 1.2
    EXPECT_EQ(r.U32(), 0x00000000u);        //                 .0.0
    EXPECT_EQ(r.U32(), 0x3Fu);              // flags mask
    EXPECT_EQ(r.U32(), 0u);                 // flags
    EXPECT_EQ(r.U32(), 4u);                 // VOS__WINDOWS32
    EXPECT_EQ(r.U32(), 1u);                 // VFT_APP
    EXPECT_EQ(r.U32(), 0u);                 // subtype
    EXPECT_EQ(r.U32(), 0u);                 // date
    EXPECT_EQ(r.U32(), 0u);
}

TEST_F(TobrinExe, VersionRecordStringsAndTranslation)
{
    const VersionNode root = ParseVersionInfo(Data(kRtVersion, 1));
    ASSERT_EQ(root.children.size(), 2u);
    EXPECT_EQ(root.children[0].key, u"StringFileInfo");
    EXPECT_EQ(root.children[1].key, u"VarFileInfo");

    const VersionNode& info = root.Child(u"StringFileInfo");
    ASSERT_EQ(info.children.size(), 1u);
    const VersionNode& table = info.children[0];
    EXPECT_EQ(table.key, u"041104b0");
    const std::vector<std::pair<const char*, const char*>> expected = {
        {"CompanyName", TOBRIN_COMPANY_NAME},
        {"FileDescription", "チェックサム計算プログラム"},
        {"FileVersion", "1.2.0.0"},
        {"InternalName", "Tobrin"},
        {"LegalCopyright", TOBRIN_COPYRIGHT},
        {"OriginalFilename", "Tobrin.exe"},
        {"ProductName", "Tobrin"},
        {"ProductVersion", "1.2.0.0"},
    };
    ASSERT_EQ(table.children.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const VersionNode& value = table.children[i];
        SCOPED_TRACE(expected[i].first);
        EXPECT_EQ(value.key, Utf16(expected[i].first));
        EXPECT_EQ(value.type, 1);
        EXPECT_EQ(value.text, Utf16(expected[i].second)) << Utf8(value.text);
        EXPECT_EQ(value.valueLength, value.text.size() + 1) << "characters with the terminating NUL";
    }

    const VersionNode& var = root.Child(u"VarFileInfo");
    ASSERT_EQ(var.children.size(), 1u);
    EXPECT_EQ(var.children[0].key, u"Translation");
    EXPECT_EQ(var.children[0].value, (std::vector<uint8_t>{0x11, 0x04, 0xB0, 0x04}));   // 0x0411, 0x04B0
}
