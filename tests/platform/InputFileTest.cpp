// How the input file is opened, on each platform.
#include "platform/InputFile.h"

#include <gtest/gtest.h>

#include "tests/support/TempFile.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace {

TEST(QueryInputFileSize, TakesTheSizeOfAFileAndRefusesWhatIsNoFile)
{
    TempFolder folder;
    uint64_t size = 77;
    EXPECT_TRUE(QueryInputFileSize(folder.Write("five.bin", {1, 2, 3, 4, 5}).c_str(), &size));
    EXPECT_EQ(size, 5u);

    size = 77;
    EXPECT_FALSE(QueryInputFileSize(folder.Path("missing.bin").c_str(), &size));
    EXPECT_FALSE(QueryInputFileSize(folder.Path(".").c_str(), &size));
    EXPECT_EQ(size, 77u);
}

TEST(OpenInputForPass, OpensFilesButNoDirectories)
{
    TempFolder folder;
    std::FILE* file = OpenInputForPass(folder.Write("five.bin", {1, 2, 3, 4, 5}).c_str());
    ASSERT_TRUE(file);
    unsigned char bytes[8];
    EXPECT_EQ(std::fread(bytes, 1, sizeof bytes, file), 5u);
    std::fclose(file);
    EXPECT_EQ(OpenInputForPass(folder.Path(".").c_str()), nullptr);
    EXPECT_EQ(OpenInputForPass(folder.Path("missing.bin").c_str()), nullptr);
}

#if defined(_WIN32)
TEST(QueryInputFileSize, RefusesAFileHeldOpenByAnotherOpener)
{
    TempFolder folder;
    const std::string path = folder.Write("held.bin", {1, 2, 3});
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    uint64_t size = 0;
    EXPECT_FALSE(QueryInputFileSize(path.c_str(), &size));  // it shares nothing
    CloseHandle(held);
    EXPECT_TRUE(QueryInputFileSize(path.c_str(), &size));
}

TEST(OpenInputForPass, LetsOthersReadButNotWriteWhileOpen)
{
    TempFolder folder;
    const std::string path = folder.Write("pass.bin", {1, 2, 3});
    std::FILE* file = OpenInputForPass(path.c_str());
    ASSERT_TRUE(file);
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
    HANDLE reader = CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr);
    HANDLE writer = CreateFileA(path.c_str(), GENERIC_WRITE, share, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(reader, INVALID_HANDLE_VALUE);
    EXPECT_EQ(writer, INVALID_HANDLE_VALUE);
    if (reader != INVALID_HANDLE_VALUE) CloseHandle(reader);
    if (writer != INVALID_HANDLE_VALUE) CloseHandle(writer);
    std::fclose(file);
}

TEST(WindowsRuntime, RunsInCodePage932WithA32BitLong)
{
    EXPECT_EQ(GetACP(), 932u);
    EXPECT_EQ(sizeof(long), 4u);
    // Narrow literals are stored in code page 932.
    EXPECT_STREQ("～", "\x81\x60");
    EXPECT_STREQ("表", "\x95\x5C");
}
#endif

} // namespace
