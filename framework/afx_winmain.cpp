// Process entry of a framework program: hands the command line after the program name to the
// one application object.
#include "afx_app.h"
#include "afx_command_line.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nCmdShow) {
    return AfxWinMain(hInstance, AfxSkipProgramName(::GetCommandLineW()), nCmdShow);
}
