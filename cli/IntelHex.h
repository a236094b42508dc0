// Intel HEX input: records 00 (data), 01 (end of file), 02 (extended segment address), 03 (start segment
// address), 04 (extended linear address) and 05 (start linear address), each with its checksum verified.
#pragma once

#include <string_view>

#include "cli/RecordText.h"
#include "cli/SparseImage.h"

// Writes the data records into `image` at their addresses. Refused, with the line: a line that does not
// begin with ':', a character that is not a hexadecimal digit, an odd number of digits, a length byte that
// does not match the record, a wrong checksum, an unknown record type, a type 01 to 05 with the wrong
// length, data that runs past FFFFFFFF, a byte written twice with different values, a record after the
// end-of-file record, and a file without one.
class IntelHexReader : public RecordReader {
public:
    explicit IntelHexReader(SparseImage& image) : m_image(image) {}
    bool ReadRecord(std::string_view record, unsigned long line, RecordError* error) override;
    bool Finish(unsigned long lines, RecordError* error) override;

private:
    SparseImage& m_image;
    uint32_t m_base = 0;       // from the last type 02 or 04 record
    bool m_segmented = false;  // type 02: offsets wrap within the 64 KiB segment
    bool m_ended = false;
    std::vector<uint8_t> m_bytes;
};

bool ReadIntelHex(std::string_view text, SparseImage& image, RecordError* error);
