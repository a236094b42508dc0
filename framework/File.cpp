#include "framework/File.h"

BOOL CFile::Open(const char* fileName, UINT openFlags)
{
    Close();
    const DWORD access = (openFlags & 3) == modeRead ? GENERIC_READ : 0;
    const DWORD share = 0;  // exclusive: no share flag was asked for
    m_hFile = ::CreateFileA(fileName, access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return m_hFile != INVALID_HANDLE_VALUE;
}

void CFile::Close()
{
    if (m_hFile != INVALID_HANDLE_VALUE) ::CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
}
