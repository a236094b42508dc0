#include "cli/IntelHex.h"

#include <algorithm>

namespace {

enum RecordType : uint8_t {
    kData = 0x00,
    kEndOfFile = 0x01,
    kExtendedSegmentAddress = 0x02,
    kStartSegmentAddress = 0x03,
    kExtendedLinearAddress = 0x04,
    kStartLinearAddress = 0x05,
};

// Length, two address bytes, type, checksum: the bytes around the data.
constexpr size_t kFrameBytes = 5;

} // namespace

bool IntelHexReader::ReadRecord(std::string_view record, unsigned long line, RecordError* error)
{
    auto fail = [&](std::string message) {
        *error = {line, std::move(message)};
        return false;
    };
    if (m_ended) return fail("record after the end-of-file record");
    if (record[0] != ':') return fail("record does not begin with ':'");

    std::string message;
    if (!DecodeHexPairs(record.substr(1), &m_bytes, &message)) return fail(message);
    if (m_bytes.size() < kFrameBytes) return fail("record too short (" + std::to_string(m_bytes.size()) + " bytes)");
    const size_t length = m_bytes[0];
    if (m_bytes.size() != length + kFrameBytes) {
        return fail("length byte says " + std::to_string(length) + " data bytes, record holds " +
                    std::to_string(m_bytes.size() - kFrameBytes));
    }
    unsigned sum = 0;
    for (uint8_t b : m_bytes) sum += b;
    if (sum % 256 != 0) {
        const unsigned expected = (256 - (sum - m_bytes.back()) % 256) % 256;
        return fail("bad checksum " + Hex2(m_bytes.back()) + ", the record's bytes need " + Hex2(expected));
    }

    const uint32_t offset = uint32_t{m_bytes[1]} << 8 | m_bytes[2];
    const uint8_t type = m_bytes[3];
    const uint8_t* data = m_bytes.data() + 4;
    const auto wantLength = [&](size_t wanted, const char* what) {
        if (length == wanted) return true;
        fail(std::string(what) + " record with " + std::to_string(length) + " data bytes, not " +
             std::to_string(wanted));
        return false;
    };

    switch (type) {
    case kData: {
        // A segment wraps its offsets at 64 KiB; linear addresses run on and must stay within 32 bits.
        size_t done = 0;
        while (done < length) {
            uint64_t address;
            size_t run;
            if (m_segmented) {
                const uint32_t inSegment = (offset + static_cast<uint32_t>(done)) & 0xFFFF;
                address = uint64_t{m_base} + inSegment;
                run = std::min<size_t>(length - done, 0x10000 - inSegment);
            } else {
                address = uint64_t{m_base} + offset + done;
                run = length - done;
                if (address + run - 1 > 0xFFFFFFFFu) return fail("data runs past address FFFFFFFF");
            }
            SparseImage::Conflict conflict;
            if (!m_image.Write(static_cast<uint32_t>(address), data + done, run, &conflict)) {
                return fail("overlapping records: address " + Hex8(conflict.address) + " holds " +
                            Hex2(conflict.before) + " and this record writes " + Hex2(conflict.after));
            }
            done += run;
        }
        return true;
    }
    case kEndOfFile:
        if (!wantLength(0, "end-of-file")) return false;
        m_ended = true;
        return true;
    case kExtendedSegmentAddress:
        if (!wantLength(2, "extended segment address")) return false;
        m_base = (uint32_t{data[0]} << 8 | data[1]) << 4;
        m_segmented = true;
        return true;
    case kExtendedLinearAddress:
        if (!wantLength(2, "extended linear address")) return false;
        m_base = (uint32_t{data[0]} << 8 | data[1]) << 16;
        m_segmented = false;
        return true;
    case kStartSegmentAddress:
        return wantLength(4, "start segment address");
    case kStartLinearAddress:
        return wantLength(4, "start linear address");
    default:
        return fail("unknown record type " + Hex2(type));
    }
}

bool IntelHexReader::Finish(unsigned long lines, RecordError* error)
{
    if (m_ended) return true;
    *error = {lines, "no end-of-file record (type 01)"};
    return false;
}

bool ReadIntelHex(std::string_view text, SparseImage& image, RecordError* error)
{
    IntelHexReader reader(image);
    return ReadRecordText(text, reader, error);
}
