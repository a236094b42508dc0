// libFuzzer target: ReadHexAddress against the C library's strtoull, which reads hexadecimal the way
// "%lx" does: the same white space, sign, prefix and digits, and a minus sign that negates.
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/HexAddress.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);  // up to the first NUL counts
    uint32_t value = 0x5EED;
    const bool read = ReadHexAddress(text.c_str(), &value);

    char* rest = nullptr;
    errno = 0;
    const unsigned long long number = std::strtoull(text.c_str(), &rest, 16);
    const bool digits = rest != text.c_str();
    // strtoull negates a "-" number modulo 2^64; its magnitude must fit in 32 bits.
    size_t i = 0;
    while (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')) ++i;
    const bool negative = text[i] == '-';
    const unsigned long long magnitude = negative ? 0ull - number : number;
    const bool fits = errno != ERANGE && magnitude <= 0xFFFFFFFFull;

    if (read != (digits && fits)) std::abort();
    if (read && value != static_cast<uint32_t>(number)) std::abort();
    if (!read && value != 0x5EED) std::abort();  // a refusal leaves the value alone
    return 0;
}
