#include "sha256.h"

#include "picture_bytes.h"

#include <windows.h>

#include <bcrypt.h>

namespace {

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

bool Sha256OfPictureFile(const wchar_t* path, std::uint64_t* size, std::string* sha256) {
    Sha256Hash sha;
    std::uint64_t read = 0;
    bool ok = sha.Ready() &&
              ReadPictureInPieces(path,
                                  [&](const char* piece, size_t count) {
                                      read += count;
                                      return sha.Add(reinterpret_cast<const UCHAR*>(piece),
                                                     static_cast<ULONG>(count));
                                  }) &&
              sha.Finish(sha256);
    *size = ok ? read : 0;
    if (!ok) {
        sha256->clear();
    }
    return ok;
}
