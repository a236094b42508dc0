#include "TobrinExe.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace {

// Read once per test program; the error text when reading failed.
struct Loaded {
    std::vector<Resource> resources;
    std::string error;
};

const Loaded& Load(const char* path)
{
    static std::unique_ptr<Loaded> loaded;
    if (!loaded) {
        loaded = std::make_unique<Loaded>();
        std::ifstream in(path, std::ios::binary);
        const std::vector<uint8_t> file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        if (!in && !in.eof()) {
            loaded->error = std::string("cannot read ") + path;
        } else if (file.empty()) {
            loaded->error = std::string("missing or empty: ") + path;
        } else {
            try {
                loaded->resources = ReadResources(file);
            } catch (const std::exception& e) {
                loaded->error = std::string(path) + ": " + e.what();
            }
        }
    }
    return *loaded;
}

} // namespace

void TobrinExe::SetUp()
{
    const char* path = std::getenv("TOBRIN_EXE");
    if (path == nullptr || *path == 0)
        GTEST_SKIP() << "TOBRIN_EXE is not set: it names the Tobrin.exe of the Windows build (tools/test.sh sets it)";
    const Loaded& loaded = Load(path);
    ASSERT_EQ(loaded.error, "");
    m_resources = &loaded.resources;
}

const std::vector<uint8_t>& TobrinExe::Data(uint32_t type, uint32_t id) const
{
    static const std::vector<uint8_t> none;
    const std::vector<uint8_t>* found = nullptr;
    int count = 0;
    for (const Resource& r : All())
        if (r.type.name.empty() && r.name.name.empty() && r.type.id == type && r.name.id == id) {
            found = &r.data;
            ++count;
        }
    EXPECT_EQ(count, 1) << "resource type " << type << " id " << id;
    return count == 1 ? *found : none;
}
