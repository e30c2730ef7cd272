#include "gdiplus_session.h"

#include <gdiplus.h>

ULONG_PTR StartImaging() {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    return token;
}

void StopImaging(ULONG_PTR token) {
    Gdiplus::GdiplusShutdown(token);
}
