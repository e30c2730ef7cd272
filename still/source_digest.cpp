#include "source_digest.h"

#include <bcrypt.h>

#include <vector>

namespace {

constexpr DWORD kChunk = 1 << 20;
constexpr ULONG kSha256Bytes = 32;
// How long letting go of an unfinished digest waits for its thread to notice.
constexpr DWORD kCancelWaitMs = 100;

std::string Hex(const UCHAR* bytes, ULONG count) {
    static const char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (ULONG i = 0; i < count; ++i) {
        hex += kDigits[bytes[i] >> 4];
        hex += kDigits[bytes[i] & 0xF];
    }
    return hex;
}

// The provider and hash objects, released in order whatever happens.
class Sha256Hash {
  public:
    Sha256Hash() {
        if (BCRYPT_SUCCESS(
                ::BCryptOpenAlgorithmProvider(&m_algorithm, BCRYPT_SHA256_ALGORITHM, nullptr, 0))) {
            ::BCryptCreateHash(m_algorithm, &m_hash, nullptr, 0, nullptr, 0, 0);
        }
    }
    ~Sha256Hash() {
        if (m_hash != nullptr) {
            ::BCryptDestroyHash(m_hash);
        }
        if (m_algorithm != nullptr) {
            ::BCryptCloseAlgorithmProvider(m_algorithm, 0);
        }
    }
    Sha256Hash(const Sha256Hash&) = delete;
    Sha256Hash& operator=(const Sha256Hash&) = delete;

    bool Ready() const { return m_hash != nullptr; }
    bool Add(const UCHAR* bytes, ULONG count) {
        return BCRYPT_SUCCESS(::BCryptHashData(m_hash, const_cast<UCHAR*>(bytes), count, 0));
    }
    bool Finish(std::string* hex) {
        UCHAR digest[kSha256Bytes];
        if (!BCRYPT_SUCCESS(::BCryptFinishHash(m_hash, digest, kSha256Bytes, 0))) {
            return false;
        }
        *hex = Hex(digest, kSha256Bytes);
        return true;
    }

  private:
    BCRYPT_ALG_HANDLE m_algorithm = nullptr;
    BCRYPT_HASH_HANDLE m_hash = nullptr;
};

} // namespace

std::string Sha256Of(const std::string& bytes) {
    Sha256Hash sha;
    std::string hex;
    if (!sha.Ready() ||
        !sha.Add(reinterpret_cast<const UCHAR*>(bytes.data()), static_cast<ULONG>(bytes.size())) ||
        !sha.Finish(&hex)) {
        hex.clear();
    }
    return hex;
}

// What the hashing thread works on. The digest and the thread each hold it, and the last of them to
// let go deletes it, so a thread held in a read can outlive the digest.
struct SourceDigest::Job {
    explicit Job(const std::wstring& filePath) : path(filePath) {}

    bool Compute();
    void Release() {
        if (::InterlockedDecrement(&holders) == 0) {
            delete this;
        }
    }

    std::wstring path;
    volatile LONG holders = 1;
    volatile LONG cancel = 0;
    bool ok = false;
    std::uint64_t bytes = 0;
    std::string sha256;
};

bool SourceDigest::Job::Compute() {
    HANDLE hFile = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        return false;
    }
    Sha256Hash sha;
    std::vector<UCHAR> buffer(kChunk);
    bool ok = sha.Ready();
    while (ok && cancel == 0) {
        DWORD read = 0;
        // A read that fails part way must not pass for the end of the file.
        ok = ::ReadFile(hFile, buffer.data(), kChunk, &read, nullptr) != FALSE;
        if (!ok || read == 0) {
            break;
        }
        ok = sha.Add(buffer.data(), read);
        bytes += read;
    }
    ::CloseHandle(hFile);
    return ok && cancel == 0 && sha.Finish(&sha256);
}

SourceDigest::SourceDigest(const std::wstring& path) : m_job(new Job(path)) {
    ::InterlockedIncrement(&m_job->holders);
    m_hThread = ::CreateThread(nullptr, 0, &SourceDigest::Run, m_job, 0, nullptr);
    if (m_hThread == nullptr) {
        m_job->Release();
        // No thread to spare: the digest is made here and now.
        m_job->ok = m_job->Compute();
    }
}

// A read blocked on a slow medium is cancelled where the system can; where it cannot, the thread
// is left to end with its read, and the process can still end at once.
SourceDigest::~SourceDigest() {
    if (m_hThread != nullptr) {
        ::InterlockedExchange(&m_job->cancel, 1);
        ::CancelSynchronousIo(m_hThread);
        ::WaitForSingleObject(m_hThread, kCancelWaitMs);
        ::CloseHandle(m_hThread);
    }
    m_job->Release();
}

bool SourceDigest::Wait() {
    if (m_hThread != nullptr) {
        ::WaitForSingleObject(m_hThread, INFINITE);
    }
    return m_job->ok;
}

std::uint64_t SourceDigest::Bytes() const {
    return m_job->bytes;
}

const std::string& SourceDigest::Sha256() const {
    return m_job->sha256;
}

DWORD WINAPI SourceDigest::Run(void* job) {
    auto* pJob = static_cast<Job*>(job);
    pJob->ok = pJob->Compute();
    pJob->Release();
    return 0;
}
