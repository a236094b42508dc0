#include "cli/RecordText.h"

#include <cstdio>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

int HexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Splits text into lines and keeps the count; a line may arrive in pieces across Feed calls.
class LineFeeder {
public:
    LineFeeder(RecordReader& reader, RecordError* error) : m_reader(reader), m_error(error) {}

    bool Feed(std::string_view text)
    {
        while (!text.empty()) {
            const size_t newline = text.find('\n');
            const std::string_view piece = text.substr(0, newline);
            if (m_pending.size() + piece.size() > kMaxRecordLine) {
                *m_error = {m_line + 1, "line longer than " + std::to_string(kMaxRecordLine) + " characters"};
                return false;
            }
            m_pending.append(piece.data(), piece.size());
            if (newline == std::string_view::npos) break;
            if (!EndLine()) return false;
            text.remove_prefix(newline + 1);
        }
        return true;
    }

    bool Finish()
    {
        if (!m_pending.empty() && !EndLine()) return false;
        return m_reader.Finish(m_line, m_error);
    }

private:
    bool EndLine()
    {
        ++m_line;
        std::string_view record = m_pending;
        while (!record.empty() && IsBlank(record.front())) record.remove_prefix(1);
        while (!record.empty() && IsBlank(record.back())) record.remove_suffix(1);
        const bool ok = record.empty() || m_reader.ReadRecord(record, m_line, m_error);
        m_pending.clear();
        return ok;
    }

    RecordReader& m_reader;
    RecordError* m_error;
    std::string m_pending;
    unsigned long m_line = 0;
};

} // namespace

bool ReadRecordText(std::string_view text, RecordReader& reader, RecordError* error)
{
    LineFeeder feeder(reader, error);
    return feeder.Feed(text) && feeder.Finish();
}

bool ReadRecordFile(std::FILE* file, RecordReader& reader, RecordError* error, bool* readFailed)
{
    *readFailed = false;
    LineFeeder feeder(reader, error);
    std::vector<char> buffer(1 << 16);
    for (;;) {
        const size_t got = std::fread(buffer.data(), 1, buffer.size(), file);
        if (!feeder.Feed(std::string_view(buffer.data(), got))) return false;
        if (got < buffer.size()) {
            if (std::ferror(file)) {
                *readFailed = true;
                return false;
            }
            return feeder.Finish();
        }
    }
}

bool DecodeHexPairs(std::string_view digits, std::vector<uint8_t>* bytes, std::string* message)
{
    bytes->clear();
    for (size_t i = 0; i < digits.size(); ++i) {
        if (HexValue(digits[i]) < 0) {
            const unsigned char c = static_cast<unsigned char>(digits[i]);
            *message = c >= 0x21 && c < 0x7F ? "'" + std::string(1, digits[i]) + "' is not a hexadecimal digit"
                                            : "character " + Hex2(c) + " is not a hexadecimal digit";
            return false;
        }
    }
    if (digits.size() % 2 != 0) {
        *message = "odd number of hexadecimal digits (" + std::to_string(digits.size()) + ")";
        return false;
    }
    bytes->reserve(digits.size() / 2);
    for (size_t i = 0; i < digits.size(); i += 2) {
        bytes->push_back(static_cast<uint8_t>(HexValue(digits[i]) * 16 + HexValue(digits[i + 1])));
    }
    return true;
}

std::string Hex2(unsigned value)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", value & 0xFFu);
    return text;
}

std::string Hex8(uint32_t value)
{
    char text[12];
    std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(value));
    return text;
}
