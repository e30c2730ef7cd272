// The elements of an object list from head to tail, for comparing in tests.
#pragma once

#include "afx_oblist.h"

#include <vector>

inline std::vector<CObject*> ListOrder(const CObList& list) {
    std::vector<CObject*> out;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        out.push_back(list.GetNext(pos));
    }
    return out;
}
