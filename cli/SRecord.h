// Motorola S-record input: S0 (header), S1, S2, S3 (data with 16-, 24- and 32-bit addresses), S5, S6
// (record count) and S7, S8, S9 (termination), each with its checksum verified.
#pragma once

#include <string_view>

#include "cli/RecordText.h"
#include "cli/SparseImage.h"

// Writes the data records into `image` at their addresses. Refused, with the line: a line that does not
// begin with 'S' and a type digit, S4 or another unknown type, a character that is not a hexadecimal
// digit, an odd number of digits, a count byte that does not match the record, a wrong checksum, a record
// too short for its address, data in a count or termination record, a count that differs from the
// number of data records before it, data that runs past FFFFFFFF, a byte written twice with different
// values, and a record after the termination record. The termination record itself may be missing, as
// it is in files written without a start address.
class SRecordReader : public RecordReader {
public:
    explicit SRecordReader(SparseImage& image) : m_image(image) {}
    bool ReadRecord(std::string_view record, unsigned long line, RecordError* error) override;
    bool Finish(unsigned long lines, RecordError* error) override;

private:
    SparseImage& m_image;
    uint64_t m_dataRecords = 0;
    bool m_ended = false;
    std::vector<uint8_t> m_bytes;
};

bool ReadSRecords(std::string_view text, SparseImage& image, RecordError* error);
