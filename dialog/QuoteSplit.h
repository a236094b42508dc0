// Splitting the command line at double quotes.
#pragma once

#include <string>
#include <vector>

// The pieces of `text` between double quotes, as strtok_s gives them with the delimiter set "\"": a run
// of quotes is one separator, quotes at either end give no empty piece, and blanks are kept (so a path
// with blanks stays whole, quoted or not). Code page 932 has no trail byte 0x22, so bytes are enough.
std::vector<std::string> SplitAtQuotes(const char* text);
