// A new file beside a target that takes the target's place in one step. Until then the target
// is untouched, and a staged file that is never committed is removed: a failed write can
// neither destroy the file it was to replace nor leave half a file behind.
#pragma once

#include <windows.h>

#include <string>

class StagedFile {
  public:
    explicit StagedFile(const std::wstring& target);
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Whether the staged file could be made; if not, Error() says why.
    bool Created() const { return !m_path.empty(); }
    DWORD Error() const { return m_error; }
    const std::wstring& Path() const { return m_path; }

    // Fills the staged file, through to the disk; false with Error() set if not.
    bool Write(const std::string& bytes);
    // Moves the staged file over the target; false with Error() set if not.
    bool Commit();

  private:
    std::wstring m_target;
    std::wstring m_path;
    DWORD m_error = ERROR_SUCCESS;
    bool m_committed = false;
};
