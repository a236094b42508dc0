// Files for tests, in a folder of their own that is removed afterwards.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

class TempFolder {
public:
    TempFolder()
    {
        static int counter = 0;
        const auto base = std::filesystem::temp_directory_path();
        for (;;) {
            m_path = base / ("tobrin-test-" + std::to_string(Pid()) + "-" + std::to_string(++counter));
            if (std::filesystem::create_directory(m_path)) break;
        }
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Writes `bytes` into the file `name` of the folder and returns its path.
    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) const
    {
        const auto path = m_path / name;
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path.string();
    }

    std::string Path(const std::string& name) const { return (m_path / name).string(); }

private:
    static long Pid();
    std::filesystem::path m_path;
};

#if defined(_WIN32)
#include <process.h>
inline long TempFolder::Pid() { return _getpid(); }
#else
#include <unistd.h>
inline long TempFolder::Pid() { return getpid(); }
#endif
