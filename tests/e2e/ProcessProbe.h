// Reads from inside the program what another process cannot read: MenuProbe.dll (built beside the test
// program) is loaded into it with CreateRemoteThread(LoadLibraryA), and each question runs one of the
// DLL's exports on a thread of its own in the program.
#pragma once

#include "tests/e2e/Driver.h"

#include <string>
#include <vector>

namespace e2e {

struct MenuItem {
    UINT id = 0;
    bool separator = false;
    std::string text;
};

class ProcessProbe {
public:
    explicit ProcessProbe(DWORD pid);
    ~ProcessProbe();
    ProcessProbe(const ProcessProbe&) = delete;
    ProcessProbe& operator=(const ProcessProbe&) = delete;

    // False when the DLL could not be loaded into the program; Error() says why.
    explicit operator bool() const { return m_remoteModule != 0; }
    const std::string& Error() const { return m_error; }

    // The items of the window's system menu, as the program's GetSystemMenu(window, FALSE) holds them.
    std::vector<MenuItem> SystemMenu(Window window) const;
    // The number of GDI objects the program holds; -1 when it cannot be read.
    long GdiObjects() const;

private:
    // Runs the export `name` in the program with `parameter` (an address in the program) and returns its
    // exit code; false when it could not be run.
    bool Call(const char* name, void* parameter, DWORD* result) const;

    HANDLE m_process = nullptr;
    HMODULE m_local = nullptr;
    DWORD m_remoteModule = 0;
    std::string m_error;
};

}  // namespace e2e
