// libFuzzer target: the Intel HEX reader on any text.
#include "cli/IntelHex.h"
#include "fuzz/RecordFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CheckRecordImage(std::string_view(reinterpret_cast<const char*>(data), size), ReadIntelHex);
    return 0;
}
