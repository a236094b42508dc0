// CString: 8-bit text in the system code page (932 on a Japanese system). Lengths count bytes, so a
// double-byte character counts as two. Portable: the engine and its tests use it natively too.
#pragma once

#include <string>

class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}
    CString(const char* text, int length) : m_text(text, static_cast<size_t>(length)) {}

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }

    // Replaces the text with printf-style output; a format error leaves the text empty.
    void Format(const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;

    CString& operator+=(const CString& more) { m_text += more.m_text; return *this; }
    CString& operator+=(const char* more) { m_text += more; return *this; }

    operator const char*() const { return m_text.c_str(); }
    const std::string& Str() const { return m_text; }

    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator!=(const CString& a, const CString& b) { return a.m_text != b.m_text; }

private:
    std::string m_text;
};
