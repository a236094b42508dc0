// CFile: a file opened by name with the platform's file functions, as far as the program needs it.
#pragma once

#include <windows.h>

class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,  // read access; with no share flag, no other opener at the same time
    };

    CFile() = default;
    ~CFile() { Close(); }
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // FALSE when the file cannot be opened so: missing, a directory, not readable, or open elsewhere.
    BOOL Open(const char* fileName, UINT openFlags);
    void Close();

private:
    HANDLE m_hFile = INVALID_HANDLE_VALUE;
};
