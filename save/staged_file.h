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

    // Whether the staged file could be made; if not, Error() says why. A read-only target gets
    // none: it is not replaced.
    bool Created() const { return !m_path.empty(); }
    DWORD Error() const { return m_error; }
    const std::wstring& Path() const { return m_path; }

    // Fills the staged file, through to the medium, and reads it back from there; false with
    // Error() set if the write failed or the medium gives back other bytes.
    bool Write(const std::string& bytes);
    // Moves the staged file over the target, trying again for up to two seconds while another
    // program holds the target; false with Error() set if not.
    bool Commit();

    // What the medium keeps of the bytes written to it, for every staged file from now on.
    // Tests put in a faulty medium; null, the default, keeps the bytes as written.
    using MediumFault = std::string (*)(const std::string& bytes);
    static void SetMediumFault(MediumFault fault);

  private:
    std::wstring m_target;
    std::wstring m_path;
    DWORD m_error = ERROR_SUCCESS;
    bool m_committed = false;
};
