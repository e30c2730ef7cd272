// Printing what a window shows: the window captured from the screen and stretched to a 4:3
// rectangle at the top-left corner of one page, with the record of what it shows under it.
#pragma once

#include "print_outcome.h"
#include "provenance.h"

#include <windows.h>

#include <functional>

// Asks for a printer, then prints the window on one page. redraw draws the window's picture
// again just before the capture; record gives the record printed under it, once the capture is
// made.
PrintOutcome PrintWindowPicture(HWND hWnd, const std::function<void()>& redraw,
                                const std::function<ExportRecord()>& record);
