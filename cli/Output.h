// What tobrin-sum prints: the dialog's report, or one JSON object.
#pragma once

#include <cstdint>
#include <string>

#include "cli/Arguments.h"

// The line end of everything printed: the dialog's CR LF on Windows, LF elsewhere.
#if defined(_WIN32)
constexpr const char kLineEnd[] = "\r\n";
#else
constexpr const char kLineEnd[] = "\n";
#endif

// The dialog's report (FormatReport): in the build's code page, CP932 on Windows and UTF-8 elsewhere,
// with kLineEnd for its CR LF.
std::string ReportText(uint32_t start, uint32_t end, unsigned layout, const uint32_t sums[4]);

// {"format":"binary","layout":"8bit-2","layout_number":2,"start":"00000000","end":"00000007",
//  "devices":[{"device":"ROM1","sum":"00000010","sum16":"0010"},...]} on one line, then kLineEnd.
// Sums and addresses are upper-case hexadecimal strings, as in the report.
std::string JsonText(InputFormat format, uint32_t start, uint32_t end, unsigned layout, const uint32_t sums[4]);
