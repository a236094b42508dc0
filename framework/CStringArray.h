// CStringArray: an ordered list of CString. Portable.
#pragma once

#include <vector>

#include "framework/CString.h"

class CStringArray {
public:
    int GetSize() const { return static_cast<int>(m_items.size()); }
    bool IsEmpty() const { return m_items.empty(); }
    // Appends at the end; returns the new element's index.
    int Add(const CString& item)
    {
        m_items.push_back(item);
        return GetSize() - 1;
    }
    const CString& GetAt(int index) const { return m_items.at(static_cast<size_t>(index)); }
    const CString& operator[](int index) const { return GetAt(index); }

private:
    std::vector<CString> m_items;
};
