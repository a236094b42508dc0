// What the Intel HEX and S-record readers share: the line splitting, the error, the hex pairs.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

struct RecordError {
    unsigned long line = 0;  // 1 for the first line
    std::string message;
};

// A reader of one record format, fed one line at a time.
class RecordReader {
public:
    virtual ~RecordReader() = default;
    // `record` is a line without its line end and without white space around it, never empty.
    virtual bool ReadRecord(std::string_view record, unsigned long line, RecordError* error) = 0;
    // After the last line, `lines` being the number of lines read: checks that the file ended properly.
    virtual bool Finish(unsigned long lines, RecordError* error) = 0;
};

// The longest line taken, white space included: a record of 255 data bytes is about 520 characters.
constexpr size_t kMaxRecordLine = 1024;

// Feeds the lines of `text` (ended by LF or CR LF, the last one perhaps by nothing) to `reader`,
// skipping blank lines, then calls Finish. Returns false at the first error.
bool ReadRecordText(std::string_view text, RecordReader& reader, RecordError* error);

// The same over a file read from where it stands to its end. A read error sets *readFailed and returns
// false with no message.
bool ReadRecordFile(std::FILE* file, RecordReader& reader, RecordError* error, bool* readFailed);

// Decodes `digits` as hexadecimal pairs into *bytes. Returns false with a message for a character that
// is not a hexadecimal digit or an odd number of digits.
bool DecodeHexPairs(std::string_view digits, std::vector<uint8_t>* bytes, std::string* message);

// "0x1F" style helpers for messages.
std::string Hex2(unsigned value);
std::string Hex8(uint32_t value);
