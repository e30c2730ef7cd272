// The SHA-256 of the picture file the viewer opened, computed by the platform's hashing service
// on a thread of its own while the viewer starts; a save waits for it. Letting go of an unfinished
// digest never waits on the medium: a read the system cannot cancel is left to finish on its own.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// The SHA-256 of bytes already in memory, lower-case hex; empty when the hashing service fails.
std::string Sha256Of(const std::string& bytes);

class SourceDigest {
  public:
    explicit SourceDigest(const std::wstring& path);
    ~SourceDigest();
    SourceDigest(const SourceDigest&) = delete;
    SourceDigest& operator=(const SourceDigest&) = delete;

    // Waits for the digest; false when the file could not be read or hashed.
    bool Wait();
    std::uint64_t Bytes() const;
    // Lower-case hex, empty when Wait() is false.
    const std::string& Sha256() const;

  private:
    struct Job;
    static DWORD WINAPI Run(void* job);

    Job* m_job;
    HANDLE m_hThread = nullptr;
};
