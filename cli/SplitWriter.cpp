#include "cli/SplitWriter.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

#include "engine/RomLayout.h"

namespace {

// Bytes of the range taken at a time: a multiple of 8, the widest bus word, so that every chunk begins
// with device 0 of an aligned range.
constexpr size_t kChunk = 1 << 20;

bool SeekTo(std::FILE* file, uint64_t offset)
{
#if defined(_WIN32)
    return _fseeki64(file, static_cast<__int64>(offset), SEEK_SET) == 0;
#else
    return fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
}

using FilePtr = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

} // namespace

FileRangeSource::FileRangeSource(std::FILE* file, uint32_t start)
    : m_file(file), m_failed(!SeekTo(file, start))
{
}

bool FileRangeSource::Read(uint8_t* out, size_t count)
{
    if (m_failed) return false;
    const size_t got = std::fread(out, 1, count, m_file);
    if (got < count) {
        if (std::ferror(m_file)) {
            m_failed = true;
            return false;
        }
        std::memset(out + got, 0xFF, count - got);
    }
    return true;
}

bool ImageRangeSource::Read(uint8_t* out, size_t count)
{
    m_image.Copy(m_next, out, count);
    m_next += count;
    return true;
}

std::string SplitFileName(int device) { return "ROM" + std::to_string(device + 1) + ".bin"; }

bool WriteSplitImages(RangeSource& source, uint32_t start, uint32_t end, unsigned layout,
                      const std::string& directory, ProgressSink& progress, std::string* error)
{
    namespace fs = std::filesystem;
    progress.SetRange32(0, 100);
    progress.SetPos(0);
    const int devices = DeviceCount(layout);

    std::error_code code;
    fs::create_directories(fs::path(directory), code);
    if (code) {
        *error = "cannot make directory '" + directory + "': " + code.message();
        return false;
    }

    std::vector<fs::path> finals, partials;
    std::vector<FilePtr> files;
    for (int device = 0; device < devices; ++device) {
        finals.push_back(fs::path(directory) / SplitFileName(device));
        partials.push_back(fs::path(directory) / (SplitFileName(device) + ".partial"));
    }
    auto discard = [&](const std::string& message) {
        files.clear();
        for (const fs::path& partial : partials) fs::remove(partial, code);
        *error = message;
        return false;
    };
    for (int device = 0; device < devices; ++device) {
        files.emplace_back(std::fopen(partials[device].string().c_str(), "wb"), std::fclose);
        if (!files.back()) return discard("cannot write '" + partials[device].string() + "': " + std::strerror(errno));
    }

    std::vector<uint8_t> chunk(kChunk);
    std::vector<std::vector<uint8_t>> shares(devices, std::vector<uint8_t>(kChunk));
    int deviceOfResidue[8];
    for (unsigned residue = 0; residue < 8; ++residue) deviceOfResidue[residue] = DeviceOfOffset(layout, residue);

    const uint64_t rangeEnd = uint64_t{end} + 1;
    for (uint64_t offset = start; offset < rangeEnd;) {
        const size_t count = static_cast<size_t>(rangeEnd - offset < kChunk ? rangeEnd - offset : kChunk);
        if (!source.Read(chunk.data(), count)) return discard("read error in the input file");
        size_t filled[kMaxDevices] = {};
        for (size_t i = 0; i < count; ++i) {
            const int device = deviceOfResidue[(offset + i) & 7];
            shares[device][filled[device]++] = chunk[i];
        }
        for (int device = 0; device < devices; ++device) {
            if (std::fwrite(shares[device].data(), 1, filled[device], files[device].get()) != filled[device]) {
                return discard("cannot write '" + partials[device].string() + "': " + std::strerror(errno));
            }
        }
        offset += count;
        progress.SetPos(static_cast<int>((offset - start) * 100 / (rangeEnd - start)));
    }
    for (int device = 0; device < devices; ++device) {
        if (std::fclose(files[device].release()) != 0) {
            return discard("cannot write '" + partials[device].string() + "': " + std::strerror(errno));
        }
    }
    for (int device = 0; device < devices; ++device) {
        fs::rename(partials[device], finals[device], code);
        if (code) return discard("cannot rename to '" + finals[device].string() + "': " + code.message());
    }
    return true;
}
