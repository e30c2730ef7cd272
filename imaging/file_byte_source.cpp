#include "file_byte_source.h"

#include <windows.h>

#include <algorithm>

namespace imaging {

FileByteSource::FileByteSource(const wchar_t* path)
    : handle_(CreateFileW(path, GENERIC_READ,
                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {
    // A device (CON, NUL, COM1, a pipe) is never a picture, and reading one may never end.
    if (IsOpen() && GetFileType(handle_) != FILE_TYPE_DISK) {
        CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }
    LARGE_INTEGER size;
    if (IsOpen() && GetFileSizeEx(handle_, &size) && size.QuadPart >= 0) {
        size_ = static_cast<uint64_t>(size.QuadPart);
    }
}

FileByteSource::~FileByteSource() {
    if (IsOpen()) {
        CloseHandle(handle_);
    }
}

bool FileByteSource::IsOpen() const {
    return handle_ != INVALID_HANDLE_VALUE;
}

uint64_t FileByteSource::Size() const {
    return size_;
}

size_t FileByteSource::ReadAt(uint64_t offset, void* dst, size_t len) const {
    LARGE_INTEGER position;
    position.QuadPart = static_cast<LONGLONG>(offset);
    if (!IsOpen() || offset >= size_ || !SetFilePointerEx(handle_, position, nullptr, FILE_BEGIN)) {
        return 0;
    }
    auto* out = static_cast<char*>(dst);
    size_t done = 0;
    // ReadFile takes a 32-bit count, so larger requests go in pieces.
    while (done < len) {
        const auto chunk = static_cast<DWORD>(std::min<size_t>(len - done, MAXDWORD));
        DWORD got = 0;
        if (!ReadFile(handle_, out + done, chunk, &got, nullptr) || got == 0) {
            break;
        }
        done += got;
    }
    return done;
}

bool IsLoadableImageFile(const wchar_t* path) {
    const FileByteSource source(path);
    return source.IsOpen() && CheckImageHeader(source).verdict == HeaderVerdict::Acceptable;
}

} // namespace imaging
