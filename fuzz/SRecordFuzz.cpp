// libFuzzer target: the S-record reader on any text.
#include "cli/SRecord.h"
#include "fuzz/RecordFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CheckRecordImage(std::string_view(reinterpret_cast<const char*>(data), size), ReadSRecords);
    return 0;
}
