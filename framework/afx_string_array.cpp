#include "afx_string_array.h"

IMPLEMENT_DYNAMIC(CStringArray, CObject)
