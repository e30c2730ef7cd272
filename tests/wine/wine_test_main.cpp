// Runs the in-process window tests with the program's application object set up as the
// program's own WinMain would, and the imaging library started.
#include "gdiplus_session.h"
#include "viewer_app.h"

#include <commctrl.h>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    theApp.AfxWinInit(::GetModuleHandleW(nullptr), L"", SW_SHOWNORMAL);
    ::InitCommonControls();
    ULONG_PTR token = StartImaging();
    int result = RUN_ALL_TESTS();
    StopImaging(token);
    return result;
}
