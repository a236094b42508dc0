#include "platform/InputFile.h"

#include <share.h>
#include <windows.h>

bool QueryInputFileSize(const char* path, uint64_t* size)
{
    HANDLE file = CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    // The high part too: a file of 4 GiB or more must not pass for a small one.
    DWORD high = 0;
    const DWORD low = GetFileSize(file, &high);
    const bool known = low != INVALID_FILE_SIZE || GetLastError() == NO_ERROR;
    CloseHandle(file);
    if (!known) return false;
    *size = (uint64_t{high} << 32) | low;
    return true;
}

std::FILE* OpenInputForPass(const char* path)
{
    return _fsopen(path, "rb", _SH_DENYWR);
}
