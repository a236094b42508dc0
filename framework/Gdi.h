// Device contexts: CDC wraps a context it does not own; CPaintDC opens and closes the paint context of
// a window.
#pragma once

#include <windows.h>

class CDC {
public:
    CDC() = default;
    explicit CDC(HDC hDC) : m_hDC(hDC) {}

    HDC GetSafeHdc() const { return m_hDC; }
    COLORREF SetTextColor(COLORREF color) const { return ::SetTextColor(m_hDC, color); }
    BOOL DrawIcon(int x, int y, HICON icon) const { return ::DrawIcon(m_hDC, x, y, icon); }

    HDC m_hDC = nullptr;
};

class CPaintDC : public CDC {
public:
    explicit CPaintDC(HWND window) : m_window(window) { m_hDC = ::BeginPaint(window, &m_ps); }
    ~CPaintDC() { ::EndPaint(m_window, &m_ps); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    PAINTSTRUCT m_ps;

private:
    HWND m_window;
};
