// The split images: for each device of the layout, a file ROM1.bin, ROM2.bin ... holding exactly that
// device's bytes of the range in address order, as a programmer burns them.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "cli/SparseImage.h"
#include "engine/ChecksumPass.h"

// The bytes of the range, in order from its start.
class RangeSource {
public:
    virtual ~RangeSource() = default;
    // Fills `out` with the next `count` bytes, 0xFF past the end of the input. False on a read error.
    virtual bool Read(uint8_t* out, size_t count) = 0;
};

// A binary file from `start` on. The file is positioned at `start` by the constructor.
class FileRangeSource : public RangeSource {
public:
    FileRangeSource(std::FILE* file, uint32_t start);
    bool Read(uint8_t* out, size_t count) override;

private:
    std::FILE* m_file;
    bool m_failed;
};

class ImageRangeSource : public RangeSource {
public:
    ImageRangeSource(const SparseImage& image, uint32_t start) : m_image(image), m_next(start) {}
    bool Read(uint8_t* out, size_t count) override;

private:
    const SparseImage& m_image;
    uint64_t m_next;
};

// Writes the split images of start..end (start < end, aligned) for `layout` into `directory`, which is
// made if missing. Each file is written under its name with ".partial" added and renamed when all are
// complete; when reading or writing fails, the partial files are removed and *error says why. Progress: range 0..100, the share of the range done.
bool WriteSplitImages(RangeSource& source, uint32_t start, uint32_t end, unsigned layout,
                      const std::string& directory, ProgressSink& progress, std::string* error);

// The name of device `device`'s file (0: "ROM1.bin").
std::string SplitFileName(int device);
