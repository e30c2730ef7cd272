// The SHA-256 of a picture file as it is now, computed on another thread so that the window waits
// for it only as long as it chooses: the reader thread given, when it is free, else a thread of
// its own. Letting go of an unfinished digest never waits on the medium.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

class ReaderThread;

class SourceDigest {
  public:
    explicit SourceDigest(const std::wstring& path, ReaderThread* reader = nullptr);
    ~SourceDigest();
    SourceDigest(const SourceDigest&) = delete;
    SourceDigest& operator=(const SourceDigest&) = delete;

    // Signalled when the digest is done, made or failed; null when it was made at construction.
    HANDLE Done() const;
    // Once done: false when the file could not be read or hashed.
    bool Ok() const;
    std::uint64_t Bytes() const;
    // Lower-case hex, empty when not Ok().
    const std::string& Sha256() const;

  private:
    struct Job;
    static DWORD WINAPI Run(void* job);

    Job* m_job;
    // The digest's own thread, when the reader was busy or not given.
    HANDLE m_hThread = nullptr;
    bool m_elsewhere = false;
};
