#pragma once

#include "image_header.h"

namespace imaging {

// Reads a file through the Windows API. Opened read-only and sharing read, write and delete so
// that checking a picture never blocks the recorder or other programs working on the same file.
// Reads move the handle's file pointer, so one source must not be read from two threads at once.
class FileByteSource : public ByteSource {
  public:
    explicit FileByteSource(const wchar_t* path);
    ~FileByteSource() override;
    FileByteSource(const FileByteSource&) = delete;
    FileByteSource& operator=(const FileByteSource&) = delete;

    bool IsOpen() const;
    uint64_t Size() const override;
    size_t ReadAt(uint64_t offset, void* dst, size_t len) const override;

  private:
    void* handle_; // a Windows HANDLE, kept opaque so this header needs no windows.h
    uint64_t size_ = 0;
};

// True only when the file opens and its header passes CheckImageHeader as Acceptable.
bool IsLoadableImageFile(const wchar_t* path);

} // namespace imaging
