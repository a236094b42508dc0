#include "cli/SRecord.h"

namespace {

// Bytes of the address field by record type S0 to S9; 0 for the reserved S4.
constexpr size_t kAddressBytes[10] = {2, 2, 3, 4, 0, 2, 3, 4, 3, 2};

} // namespace

bool SRecordReader::ReadRecord(std::string_view record, unsigned long line, RecordError* error)
{
    auto fail = [&](std::string message) {
        *error = {line, std::move(message)};
        return false;
    };
    if (m_ended) return fail("record after the termination record");
    if (record[0] != 'S') return fail("record does not begin with 'S'");
    if (record.size() < 2 || record[1] < '0' || record[1] > '9' || record[1] == '4') {
        return fail(record.size() < 2 ? "record type missing"
                                      : "unknown record type 'S" + std::string(1, record[1]) + "'");
    }
    const unsigned type = static_cast<unsigned>(record[1] - '0');

    std::string message;
    if (!DecodeHexPairs(record.substr(2), &m_bytes, &message)) return fail(message);
    if (m_bytes.size() < 2) return fail("record too short (" + std::to_string(m_bytes.size()) + " bytes)");
    const size_t count = m_bytes[0];  // address, data and checksum bytes
    if (m_bytes.size() != count + 1) {
        return fail("count byte says " + std::to_string(count) + " bytes, record holds " +
                    std::to_string(m_bytes.size() - 1));
    }
    unsigned sum = 0;
    for (size_t i = 0; i + 1 < m_bytes.size(); ++i) sum += m_bytes[i];
    const unsigned expected = ~sum & 0xFF;
    if (m_bytes.back() != expected) {
        return fail("bad checksum " + Hex2(m_bytes.back()) + ", the record's bytes need " + Hex2(expected));
    }

    const size_t addressBytes = kAddressBytes[type];
    if (count < addressBytes + 1) {
        return fail("S" + std::to_string(type) + " record too short for its " + std::to_string(addressBytes) +
                    "-byte address");
    }
    uint32_t address = 0;
    for (size_t i = 0; i < addressBytes; ++i) address = address << 8 | m_bytes[1 + i];
    const uint8_t* data = m_bytes.data() + 1 + addressBytes;
    const size_t length = count - addressBytes - 1;

    switch (type) {
    case 0:
        return true;  // header: any text
    case 1: case 2: case 3: {
        if (length > 0 && uint64_t{address} + length - 1 > 0xFFFFFFFFu) {
            return fail("data runs past address FFFFFFFF");
        }
        SparseImage::Conflict conflict;
        if (!m_image.Write(address, data, length, &conflict)) {
            return fail("overlapping records: address " + Hex8(conflict.address) + " holds " +
                        Hex2(conflict.before) + " and this record writes " + Hex2(conflict.after));
        }
        ++m_dataRecords;
        return true;
    }
    case 5: case 6:
        if (length != 0) return fail("S" + std::to_string(type) + " count record with data");
        if (address != m_dataRecords) {
            return fail("S" + std::to_string(type) + " record counts " + std::to_string(address) +
                        " data records, the file has " + std::to_string(m_dataRecords) + " before it");
        }
        return true;
    default:  // 7, 8, 9
        if (length != 0) return fail("S" + std::to_string(type) + " termination record with data");
        m_ended = true;
        return true;
    }
}

bool SRecordReader::Finish(unsigned long, RecordError*) { return true; }

bool ReadSRecords(std::string_view text, SparseImage& image, RecordError* error)
{
    SRecordReader reader(image);
    return ReadRecordText(text, reader, error);
}
