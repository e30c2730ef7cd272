// Rectangles between the system's form and the one of the platform-free rules.
#pragma once

#include "int_rect.h"

#include "afxwin.h"

inline IntRect ToIntRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

inline CRect ToCRect(const IntRect& r) {
    return CRect(r.left, r.top, r.right, r.bottom);
}
