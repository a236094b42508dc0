#include "dialog/QuoteSplit.h"

std::vector<std::string> SplitAtQuotes(const char* text)
{
    std::vector<std::string> pieces;
    const char* p = text;
    for (;;) {
        while (*p == '"') ++p;
        if (*p == '\0') return pieces;
        const char* start = p;
        while (*p != '\0' && *p != '"') ++p;
        pieces.emplace_back(start, p);
    }
}
