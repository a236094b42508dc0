// Reading an address text of the range boxes.
#pragma once

#include <cstdint>

// Reads `text` as a hexadecimal number the way the "%lx" conversion does: leading white space, an
// optional sign, an optional 0x or 0X, then hexadecimal digits of either case up to the first other
// character; the rest is ignored, and a minus sign negates modulo 2^32 ("-1" is FFFFFFFF).
// Returns false, leaving *value alone, when no digit stands where one is expected ("G", "", "  ",
// "-", "0xG" reads 0 from its "0") or when the number does not fit in 32 bits.
bool ReadHexAddress(const char* text, uint32_t* value);
