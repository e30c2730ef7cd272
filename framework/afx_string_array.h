// The framework's growable array of strings.
#pragma once

#include "afx_object.h"
#include "afx_string.h"

#include <vector>

class CStringArray : public CObject {
    DECLARE_DYNAMIC(CStringArray)
  public:
    int GetSize() const { return static_cast<int>(m_items.size()); }
    const CString& GetAt(int nIndex) const { return m_items.at(static_cast<size_t>(nIndex)); }
    const CString& operator[](int nIndex) const { return GetAt(nIndex); }
    CString& operator[](int nIndex) { return m_items.at(static_cast<size_t>(nIndex)); }
    int Add(const CString& s) {
        m_items.push_back(s);
        return GetSize() - 1;
    }
    void RemoveAll() { m_items.clear(); }

  private:
    std::vector<CString> m_items;
};
