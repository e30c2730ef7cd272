#include "reader_thread.h"

#include "thread_release.h"

// What the thread and its owner share. Each holds it, and the last of them to let go deletes it,
// so a thread held in a read can outlive its owner.
struct ReaderThread::Shared {
    Shared() : wake(::CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}
    ~Shared() {
        if (wake != nullptr) {
            ::CloseHandle(wake);
        }
    }
    Shared(const Shared&) = delete;
    Shared& operator=(const Shared&) = delete;

    void Release() {
        if (::InterlockedDecrement(&holders) == 0) {
            delete this;
        }
    }

    HANDLE wake;
    volatile LONG holders = 1;
    volatile LONG busy = 0;
    volatile LONG leaving = 0;
    std::function<void()> work;
};

ReaderThread::ReaderThread() : m_shared(new Shared) {
    if (m_shared->wake == nullptr) {
        return;
    }
    ::InterlockedIncrement(&m_shared->holders);
    m_hThread = ::CreateThread(nullptr, 0, &ReaderThread::Run, m_shared, 0, nullptr);
    if (m_hThread == nullptr) {
        m_shared->Release();
    }
}

ReaderThread::~ReaderThread() {
    if (m_hThread != nullptr) {
        ::InterlockedExchange(&m_shared->leaving, 1);
        ::SetEvent(m_shared->wake);
    }
    LetThreadGo(m_hThread);
    m_shared->Release();
}

bool ReaderThread::Start(std::function<void()> work) {
    if (m_hThread == nullptr || ::InterlockedCompareExchange(&m_shared->busy, 1, 0) != 0) {
        return false;
    }
    m_shared->work = std::move(work);
    ::SetEvent(m_shared->wake);
    return true;
}

DWORD WINAPI ReaderThread::Run(void* shared) {
    auto* pShared = static_cast<Shared*>(shared);
    while (::WaitForSingleObject(pShared->wake, INFINITE) == WAIT_OBJECT_0 && !pShared->leaving) {
        std::function<void()> work = std::move(pShared->work);
        work();
        ::InterlockedExchange(&pShared->busy, 0);
    }
    pShared->Release();
    return 0;
}
