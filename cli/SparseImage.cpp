#include "cli/SparseImage.h"

#include <cstring>

SparseImage::Page::Page() { std::memset(bytes, 0xFF, sizeof bytes); }

bool SparseImage::Write(uint32_t address, const uint8_t* data, size_t count, Conflict* conflict)
{
    size_t done = 0;
    while (done < count) {
        const uint32_t at = address + static_cast<uint32_t>(done);
        Page& page = m_pages[at / kPageSize];
        const uint32_t first = at % kPageSize;
        const size_t room = kPageSize - first;
        const size_t n = count - done < room ? count - done : room;
        for (size_t i = 0; i < n; ++i) {
            const uint32_t index = first + static_cast<uint32_t>(i);
            const uint8_t value = data[done + i];
            if (page.written[index]) {
                if (page.bytes[index] != value) {
                    *conflict = {at + static_cast<uint32_t>(i), page.bytes[index], value};
                    return false;
                }
                continue;
            }
            page.bytes[index] = value;
            page.written[index] = true;
        }
        done += n;
    }
    return true;
}

uint32_t SparseImage::LastAddress() const
{
    if (m_pages.empty()) return 0;
    const auto& last = *m_pages.rbegin();
    uint32_t index = kPageSize - 1;
    while (index > 0 && !last.second.written[index]) --index;
    return last.first * kPageSize + index;
}

uint8_t SparseImage::At(uint32_t address) const
{
    const auto page = m_pages.find(address / kPageSize);
    return page == m_pages.end() ? 0xFF : page->second.bytes[address % kPageSize];
}

void SparseImage::Copy(uint64_t address, uint8_t* out, size_t count) const
{
    std::memset(out, 0xFF, count);
    const uint64_t end = address + count;
    auto page = m_pages.lower_bound(static_cast<uint32_t>(address / kPageSize));
    for (; page != m_pages.end(); ++page) {
        const uint64_t pageStart = uint64_t{page->first} * kPageSize;
        if (pageStart >= end) break;
        const uint64_t first = pageStart > address ? pageStart : address;
        const uint64_t last = pageStart + kPageSize < end ? pageStart + kPageSize : end;
        std::memcpy(out + (first - address), page->second.bytes + (first - pageStart),
                    static_cast<size_t>(last - first));
    }
}

std::vector<ImageRun> SparseImage::Runs() const
{
    std::vector<ImageRun> runs;
    runs.reserve(m_pages.size());
    for (const auto& page : m_pages) runs.push_back({page.first * kPageSize, page.second.bytes, kPageSize});
    return runs;
}
