#include "framework/CString.h"

#include <cstdarg>
#include <cstdio>

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    m_text.clear();
    if (length > 0) {
        m_text.resize(static_cast<size_t>(length) + 1);
        std::vsnprintf(&m_text[0], m_text.size(), format, args);
        m_text.resize(static_cast<size_t>(length));
    }
    va_end(args);
}
