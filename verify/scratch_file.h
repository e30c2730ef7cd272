// The verifier's own files: scratch files the repeated export and the platform check write, each
// removed when it goes.
#pragma once

#include <windows.h>

#include <string>

class ScratchFile {
  public:
    ScratchFile();
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    // Empty when no temporary file could be made.
    const std::wstring& Path() const { return m_path; }

  private:
    std::wstring m_path;
};

// Replaces the file with exactly these bytes; false when it could not be written whole.
bool WriteWholeFile(const std::wstring& path, const std::string& bytes);
