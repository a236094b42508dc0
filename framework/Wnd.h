// CWnd: a window handle with thin wrappers, only the ones the program calls. It does not own the window.
#pragma once

#include <windows.h>

#include "framework/CString.h"

class CWnd {
public:
    CWnd() = default;
    explicit CWnd(HWND hWnd) : m_hWnd(hWnd) {}

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    CWnd GetDlgItem(int id) const { return CWnd(::GetDlgItem(m_hWnd, id)); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }

    void SetWindowText(const char* text) const { ::SetWindowTextA(m_hWnd, text); }
    CString GetWindowText() const;

    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    void GetWindowRect(RECT* rect) const { ::GetWindowRect(m_hWnd, rect); }
    BOOL SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags) const
    {
        return ::SetWindowPos(m_hWnd, insertAfter, x, y, cx, cy, flags);
    }
    // Sets the record's length field before asking, as the call requires.
    BOOL GetWindowPlacement(WINDOWPLACEMENT* placement) const
    {
        placement->length = sizeof(WINDOWPLACEMENT);
        return ::GetWindowPlacement(m_hWnd, placement);
    }
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)); }
    // Removes `remove`, adds `add`; with `flags`, also tells the window its frame changed.
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0) const;
    HMENU GetSystemMenu(BOOL revert) const { return ::GetSystemMenu(m_hWnd, revert); }

    // The wait cursor, from the first Begin to the last End; then the cursor before it returns.
    static void BeginWaitCursor();
    static void EndWaitCursor();

    HWND m_hWnd = nullptr;
};
