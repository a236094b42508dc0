// MenuProbe.dll: loaded into the program under test (CreateRemoteThread with LoadLibraryA), it reads what
// only the program's own process can read. Each export is a thread procedure that the tests start in the
// program with CreateRemoteThread; its exit code is the answer.
//
// Under Wine, GetSystemMenu on another process's window returns NULL and menu handles of another process
// cannot be read; inside the process both work.
#include "tests/e2e/ProbeProtocol.h"

#include <cstring>

using e2e::ProbeMenu;

// Fills the ProbeMenu at `parameter` with the items of its window's system menu (GetSystemMenu(FALSE):
// the window's own menu, not a fresh copy). Returns the number of items.
extern "C" __declspec(dllexport) DWORD WINAPI ReadSystemMenu(void* parameter)
{
    auto* menu = static_cast<ProbeMenu*>(parameter);
    menu->count = -1;
    HMENU handle = GetSystemMenu(menu->window, FALSE);
    if (!handle) return 0;
    const int count = GetMenuItemCount(handle);
    menu->count = 0;
    for (int i = 0; i < count && i < static_cast<int>(sizeof menu->items / sizeof menu->items[0]); ++i) {
        auto& item = menu->items[i];
        std::memset(&item, 0, sizeof item);
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
        info.dwTypeData = item.text;
        info.cch = sizeof item.text - 1;
        if (!GetMenuItemInfoA(handle, i, TRUE, &info)) break;
        item.id = info.wID;
        item.type = info.fType;
        item.state = info.fState;
        ++menu->count;
    }
    return static_cast<DWORD>(menu->count);
}

// The number of GDI objects that the process holds.
extern "C" __declspec(dllexport) DWORD WINAPI CountGdiObjects(void*)
{
    const DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (count != 0) return count;
    // Wine's GetGuiResources is a stub that answers 0. Wine keeps its GDI objects in a handle table of
    // the process, which the PEB's GdiSharedHandleTable points to (offset 0x94 in a 32-bit PEB): 65536
    // entries of 24 bytes, the object's type in byte 14, 0 when the entry is free.
    // The thread's TEB lies at fs:0, its PEB pointer at fs:0x30.
    const BYTE* peb = nullptr;
    __asm__("movl %%fs:0x30, %0" : "=r"(peb));
    const BYTE* table = *reinterpret_cast<const BYTE* const*>(peb + 0x94);
    if (!table) return 0;
    DWORD used = 0;
    for (DWORD i = 0; i < 0x10000; ++i)
        if (table[i * 24 + 14] != 0) ++used;
    return used;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
