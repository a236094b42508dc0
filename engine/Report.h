// The report the calculate command writes into the result box.
#pragma once

#include <cstdint>

#include "framework/CString.h"

// "<<%08X ～ %08X>>" with the range, then "  ROM1: %08X" and on for each device of `layout`; every line
// ends with CR LF. The tilde is U+FF5E, stored in code page 932 as 0x81 0x60.
CString FormatReport(uint32_t start, uint32_t end, unsigned layout, const uint32_t sums[4]);
