#include "engine/HexAddress.h"

namespace {

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsFormatSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace

bool ReadHexAddress(const char* text, uint32_t* value)
{
    const char* p = text;
    while (IsFormatSpace(*p)) ++p;

    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    // "0x" followed by a digit is a prefix; "0x" followed by anything else is the number 0.
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && HexDigitValue(p[2]) >= 0) p += 2;

    if (HexDigitValue(*p) < 0) return false;
    uint64_t number = 0;
    for (; HexDigitValue(*p) >= 0; ++p) {
        number = number * 16 + static_cast<uint64_t>(HexDigitValue(*p));
        if (number > 0xFFFFFFFFu) return false;
    }
    const uint32_t magnitude = static_cast<uint32_t>(number);
    *value = negative ? 0u - magnitude : magnitude;
    return true;
}
