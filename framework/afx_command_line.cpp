#include "afx_command_line.h"

const wchar_t* AfxSkipProgramName(const wchar_t* p) {
    if (*p == L'"') {
        ++p;
        while (*p != L'\0' && *p != L'"') {
            ++p;
        }
        if (*p == L'"') {
            ++p;
        }
    } else {
        while (*p > L' ') {
            ++p;
        }
    }
    while (*p != L'\0' && *p <= L' ') {
        ++p;
    }
    return p;
}
