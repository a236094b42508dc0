#include "framework/Wnd.h"

#include <vector>

CString CWnd::GetWindowText() const
{
    const int length = ::GetWindowTextLengthA(m_hWnd);
    std::vector<char> text(static_cast<size_t>(length) + 1);
    const int got = ::GetWindowTextA(m_hWnd, text.data(), length + 1);
    return CString(text.data(), got);
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags) const
{
    const DWORD style = GetStyle();
    const DWORD changed = (style & ~remove) | add;
    if (changed == style) return FALSE;
    ::SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(changed));
    if (flags != 0) {
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    }
    return TRUE;
}

namespace {
int g_waitCursorCount = 0;
HCURSOR g_cursorBeforeWait = nullptr;
} // namespace

void CWnd::BeginWaitCursor()
{
    HCURSOR previous = ::SetCursor(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
    if (g_waitCursorCount++ == 0) g_cursorBeforeWait = previous;
}

void CWnd::EndWaitCursor()
{
    if (g_waitCursorCount == 0) return;
    if (--g_waitCursorCount == 0) ::SetCursor(g_cursorBeforeWait);
}
