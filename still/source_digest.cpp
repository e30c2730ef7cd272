#include "source_digest.h"

#include "reader_thread.h"
#include "sha256.h"
#include "thread_release.h"

// What the hashing thread works on. The digest and the thread each hold it, and the last of them to
// let go deletes it, so a thread held in a read can outlive the digest.
struct SourceDigest::Job {
    explicit Job(const std::wstring& filePath)
        : path(filePath), done(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~Job() {
        if (done != nullptr) {
            ::CloseHandle(done);
        }
    }
    Job(const Job&) = delete;
    Job& operator=(const Job&) = delete;

    void Compute() { ok = Sha256OfPictureFile(path.c_str(), &size, &sha256); }
    void Release() {
        if (::InterlockedDecrement(&holders) == 0) {
            delete this;
        }
    }

    std::wstring path;
    // Set when the digest is made: the thread's own ending takes longer and matters to no one.
    HANDLE done;
    volatile LONG holders = 1;
    bool ok = false;
    std::uint64_t size = 0;
    std::string sha256;
};

SourceDigest::SourceDigest(const std::wstring& path, ReaderThread* reader) : m_job(new Job(path)) {
    ::InterlockedIncrement(&m_job->holders);
    if (m_job->done != nullptr) {
        Job* job = m_job;
        m_elsewhere = reader != nullptr && reader->Start([job] { Run(job); });
    }
    if (m_job->done != nullptr && !m_elsewhere) {
        m_hThread = ::CreateThread(nullptr, 0, &SourceDigest::Run, m_job, 0, nullptr);
        m_elsewhere = m_hThread != nullptr;
    }
    if (!m_elsewhere) {
        m_job->Release();
        // No thread to spare: the digest is made here and now.
        m_job->Compute();
    }
}

SourceDigest::~SourceDigest() {
    // A thread whose digest is made has only its ending left, which nothing here needs to see;
    // the reader thread's owner lets it go.
    if (m_hThread != nullptr && ::WaitForSingleObject(m_job->done, 0) == WAIT_OBJECT_0) {
        ::CloseHandle(m_hThread);
    } else {
        LetThreadGo(m_hThread);
    }
    m_job->Release();
}

HANDLE SourceDigest::Done() const {
    return m_elsewhere ? m_job->done : nullptr;
}

bool SourceDigest::Ok() const {
    return m_job->ok;
}

std::uint64_t SourceDigest::Bytes() const {
    return m_job->size;
}

const std::string& SourceDigest::Sha256() const {
    return m_job->sha256;
}

DWORD WINAPI SourceDigest::Run(void* job) {
    auto* pJob = static_cast<Job*>(job);
    pJob->Compute();
    ::SetEvent(pJob->done);
    pJob->Release();
    return 0;
}
