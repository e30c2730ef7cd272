#include "source_digest.h"

#include "picture_bytes.h"
#include "sha256.h"
#include "thread_release.h"

// What the hashing thread works on. The digest and the thread each hold it, and the last of them to
// let go deletes it, so a thread held in a read can outlive the digest.
struct SourceDigest::Job {
    explicit Job(const std::wstring& filePath) : path(filePath) {}

    void Compute() {
        std::string bytes;
        if (ReadPictureBytes(path.c_str(), &bytes)) {
            sha256 = Sha256Of(bytes);
            size = bytes.size();
        }
        ok = !sha256.empty();
    }
    void Release() {
        if (::InterlockedDecrement(&holders) == 0) {
            delete this;
        }
    }

    std::wstring path;
    volatile LONG holders = 1;
    bool ok = false;
    std::uint64_t size = 0;
    std::string sha256;
};

SourceDigest::SourceDigest(const std::wstring& path) : m_job(new Job(path)) {
    ::InterlockedIncrement(&m_job->holders);
    m_hThread = ::CreateThread(nullptr, 0, &SourceDigest::Run, m_job, 0, nullptr);
    if (m_hThread == nullptr) {
        m_job->Release();
        // No thread to spare: the digest is made here and now.
        m_job->Compute();
    }
}

SourceDigest::~SourceDigest() {
    LetThreadGo(m_hThread);
    m_job->Release();
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
    pJob->Release();
    return 0;
}
