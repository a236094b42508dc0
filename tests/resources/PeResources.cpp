#include "PeResources.h"

#include "ByteReader.h"

#include <algorithm>
#include <stdexcept>

namespace {

struct Section {
    uint32_t rva, size, fileOffset;
};

class ResourceWalker {
public:
    ResourceWalker(const std::vector<uint8_t>& file, std::vector<Section> sections, uint32_t rootRva)
        : m_file(file), m_sections(std::move(sections)), m_root(FileOffset(rootRva)) {}

    void Walk(std::vector<Resource>& out)
    {
        Directory(0, 0, Resource{}, out);
    }

private:
    // Level 0 lists types, level 1 names, level 2 languages; offsets count from the root.
    void Directory(uint32_t offset, int level, Resource path, std::vector<Resource>& out)
    {
        ByteReader r(m_file, m_root + offset + 12);
        const unsigned named = r.U16();
        const unsigned count = named + r.U16();
        for (unsigned i = 0; i < count; ++i) {
            const uint32_t name = r.U32();
            const uint32_t target = r.U32();
            ResourceId id;
            if (name & 0x80000000u) {
                ByteReader s(m_file, m_root + (name & 0x7FFFFFFFu));
                id.name = s.Chars(s.U16());
            } else {
                id.id = name;
            }
            Resource next = path;
            if (level == 0) next.type = id;
            else if (level == 1) next.name = id;
            else next.language = static_cast<uint16_t>(id.id);

            if (target & 0x80000000u) {
                if (level >= 2) throw std::runtime_error("resource directory deeper than three levels");
                Directory(target & 0x7FFFFFFFu, level + 1, next, out);
            } else {
                if (level != 2) throw std::runtime_error("resource data above the language level");
                ByteReader d(m_file, m_root + target);
                const uint32_t rva = d.U32();
                const uint32_t size = d.U32();
                ByteReader bytes(m_file, FileOffset(rva));
                next.data = bytes.Bytes(size);
                out.push_back(std::move(next));
            }
        }
    }

    uint32_t FileOffset(uint32_t rva) const
    {
        for (const Section& s : m_sections)
            if (rva >= s.rva && rva < s.rva + s.size) return rva - s.rva + s.fileOffset;
        throw std::runtime_error("address outside every section");
    }

    const std::vector<uint8_t>& m_file;
    std::vector<Section> m_sections;
    uint32_t m_root;
};

} // namespace

std::vector<Resource> ReadResources(const std::vector<uint8_t>& file)
{
    ByteReader r(file, 0x3C);
    const uint32_t pe = r.U32();
    r.Seek(pe);
    if (r.U32() != 0x00004550) throw std::runtime_error("no PE signature");
    r.U16();                                    // machine
    const unsigned sectionCount = r.U16();
    r.Seek(pe + 4 + 16);
    const unsigned optionalSize = r.U16();
    const size_t optional = pe + 4 + 20;
    r.Seek(optional);
    const uint16_t magic = r.U16();
    if (magic != 0x10B && magic != 0x20B) throw std::runtime_error("unknown optional header");
    // Data directory 2 (resources): 96 bytes into a PE32 optional header, 112 into PE32+.
    r.Seek(optional + (magic == 0x10B ? 96 : 112) + 2 * 8);
    const uint32_t resourceRva = r.U32();
    if (resourceRva == 0) return {};

    std::vector<Section> sections;
    r.Seek(optional + optionalSize);
    for (unsigned i = 0; i < sectionCount; ++i) {
        const size_t header = r.Pos();
        r.Seek(header + 8);
        const uint32_t virtualSize = r.U32();
        const uint32_t rva = r.U32();
        const uint32_t rawSize = r.U32();
        const uint32_t rawOffset = r.U32();
        sections.push_back({rva, std::max(virtualSize, rawSize), rawOffset});
        r.Seek(header + 40);
    }

    std::vector<Resource> out;
    ResourceWalker(file, std::move(sections), resourceRva).Walk(out);
    return out;
}
