#include "source_digest.h"

#include <bcrypt.h>

#include <vector>

namespace {

constexpr DWORD kChunk = 1 << 20;
constexpr ULONG kSha256Bytes = 32;

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
    bool Add(UCHAR* bytes, ULONG count) {
        return BCRYPT_SUCCESS(::BCryptHashData(m_hash, bytes, count, 0));
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

SourceDigest::SourceDigest(const std::wstring& path) : m_path(path) {
    m_hThread = ::CreateThread(nullptr, 0, &SourceDigest::Run, this, 0, nullptr);
    if (m_hThread == nullptr) {
        // No thread to spare: the digest is made when a save asks for it.
        m_ok = Compute();
    }
}

SourceDigest::~SourceDigest() {
    if (m_hThread != nullptr) {
        ::InterlockedExchange(&m_cancel, 1);
        ::WaitForSingleObject(m_hThread, INFINITE);
        ::CloseHandle(m_hThread);
    }
}

bool SourceDigest::Wait() {
    if (m_hThread != nullptr) {
        ::WaitForSingleObject(m_hThread, INFINITE);
    }
    return m_ok;
}

DWORD WINAPI SourceDigest::Run(void* self) {
    auto* digest = static_cast<SourceDigest*>(self);
    digest->m_ok = digest->Compute();
    return 0;
}

bool SourceDigest::Compute() {
    HANDLE hFile = ::CreateFileW(m_path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        return false;
    }
    Sha256Hash sha;
    std::vector<UCHAR> buffer(kChunk);
    bool ok = sha.Ready();
    while (ok && m_cancel == 0) {
        DWORD read = 0;
        // A read that fails part way must not pass for the end of the file.
        ok = ::ReadFile(hFile, buffer.data(), kChunk, &read, nullptr) != FALSE;
        if (!ok || read == 0) {
            break;
        }
        ok = sha.Add(buffer.data(), read);
        m_bytes += read;
    }
    ::CloseHandle(hFile);
    return ok && m_cancel == 0 && sha.Finish(&m_sha256);
}
