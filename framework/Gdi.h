// Device contexts and fonts: CDC wraps a context it does not own; CPaintDC opens and closes the paint
// context of a window; CFont owns the font it created.
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

class CFont {
public:
    CFont() = default;
    ~CFont() { DeleteObject(); }
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                    BYTE quality, BYTE pitchAndFamily, const char* faceName)
    {
        DeleteObject();
        m_hObject = ::CreateFontA(height, width, escapement, orientation, weight, italic, underline, strikeOut,
                                  charSet, outPrecision, clipPrecision, quality, pitchAndFamily, faceName);
        return m_hObject != nullptr;
    }
    void DeleteObject()
    {
        if (m_hObject) ::DeleteObject(m_hObject);
        m_hObject = nullptr;
    }
    operator HFONT() const { return m_hObject; }

private:
    HFONT m_hObject = nullptr;
};
