#include "thread_release.h"

namespace {

// How long letting go waits for the thread to notice a cancelled read.
constexpr DWORD kCancelWaitMs = 100;

} // namespace

void LetThreadGo(HANDLE hThread) {
    if (hThread == nullptr) {
        return;
    }
    ::CancelSynchronousIo(hThread);
    ::WaitForSingleObject(hThread, kCancelWaitMs);
    ::CloseHandle(hThread);
}
