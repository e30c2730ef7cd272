// A bounded wait on the window's thread that keeps the window answering: messages sent to it are
// handled and it repaints, while input stays queued until the command that waits is done.
#pragma once

#include <windows.h>

// Whether the object was signalled within the time given. A null handle is done already.
bool WaitAnswering(HANDLE hObject, DWORD timeoutMs);
