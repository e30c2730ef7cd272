#include "answering_wait.h"

bool WaitAnswering(HANDLE hObject, DWORD timeoutMs) {
    // Already done is the common case, and asking the window system too costs a round trip.
    if (hObject == nullptr || ::WaitForSingleObject(hObject, 0) == WAIT_OBJECT_0) {
        return true;
    }
    const DWORD start = ::GetTickCount();
    for (;;) {
        const DWORD elapsed = ::GetTickCount() - start;
        const DWORD left = elapsed >= timeoutMs ? 0 : timeoutMs - elapsed;
        DWORD woken =
            ::MsgWaitForMultipleObjects(1, &hObject, FALSE, left, QS_SENDMESSAGE | QS_PAINT);
        if (woken == WAIT_OBJECT_0) {
            return true;
        }
        if (woken != WAIT_OBJECT_0 + 1) {
            return false;
        }
        // Peeking delivers the sent messages; the paints are dispatched here.
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT)) {
            ::DispatchMessageW(&msg);
        }
    }
}
