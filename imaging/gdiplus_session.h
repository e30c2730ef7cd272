// Starting and stopping the imaging library for the life of the program.
#pragma once

#include <windows.h>

// Starts GDI+ with the default input (version 1, its background thread and external codecs
// allowed) and returns its token, 0 if it could not start.
ULONG_PTR StartImaging();
void StopImaging(ULONG_PTR token);
