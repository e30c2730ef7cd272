// The SHA-256 of the picture file the viewer opened, computed by the platform's hashing service
// on a thread of its own while the viewer starts; a save waits for it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

class SourceDigest {
  public:
    explicit SourceDigest(const std::wstring& path);
    ~SourceDigest();
    SourceDigest(const SourceDigest&) = delete;
    SourceDigest& operator=(const SourceDigest&) = delete;

    // Waits for the digest; false when the file could not be read or hashed.
    bool Wait();
    std::uint64_t Bytes() const { return m_bytes; }
    // Lower-case hex, empty when Wait() is false.
    const std::string& Sha256() const { return m_sha256; }

  private:
    static DWORD WINAPI Run(void* self);
    bool Compute();

    std::wstring m_path;
    HANDLE m_hThread = nullptr;
    volatile LONG m_cancel = 0;
    bool m_ok = false;
    std::uint64_t m_bytes = 0;
    std::string m_sha256;
};
