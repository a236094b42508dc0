#include "tests/e2e/DropFiles.h"

#include <shlobj.h>

#include <cstring>

namespace e2e {

bool DropFiles(const AppProcess& app, Window target, const std::vector<std::string>& paths)
{
    // The header, then each path with its terminating zero, then one more zero ending the list.
    DROPFILES header{};
    header.pFiles = sizeof header;
    header.fWide = FALSE;
    std::vector<char> block(sizeof header);
    std::memcpy(block.data(), &header, sizeof header);
    for (const std::string& path : paths) block.insert(block.end(), path.c_str(), path.c_str() + path.size() + 1);
    block.push_back('\0');

    // The shell hands the program a global memory handle. Wine's DragQueryFileA and DragFinish also take
    // a plain block of the program's own memory: GlobalLock returns such a pointer as it is, and
    // GlobalFree only logs a warning about it.
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, app.Pid());
    if (process == nullptr) return false;
    void* remote = VirtualAllocEx(process, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    const bool written =
        remote != nullptr && WriteProcessMemory(process, remote, block.data(), block.size(), nullptr);
    CloseHandle(process);
    if (!written) return false;

    // Posted messages are handled in order. The edit box's modified flag, cleared now and set by a
    // message posted after the drop, reads set once the drop has been taken. Handling the drop itself
    // can only clear the flag (WM_SETTEXT does), never set it.
    target.Send(EM_SETMODIFY, FALSE);
    PostMessageA(target.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);
    PostMessageA(target.Handle(), EM_SETMODIFY, TRUE, 0);
    const bool taken = WaitUntil([&] { return target.Send(EM_GETMODIFY) != 0; });
    target.Send(EM_SETMODIFY, FALSE);
    return taken;
}

}  // namespace e2e
