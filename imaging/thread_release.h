// Letting go of a worker thread that may be held in a read on a slow medium.
#pragma once

#include <windows.h>

// A read the system can cancel is cancelled; one it cannot is left to end on its own, so the
// caller, and the process, never wait on the medium. The handle is closed.
void LetThreadGo(HANDLE hThread);
