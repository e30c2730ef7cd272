#pragma once

#include <cstddef>
#include <cstdint>

namespace imaging {

// Random-access bytes of a picture file. ReadAt returns how many bytes it actually copied, which
// may be fewer than asked for (end of data, failing device); callers must not use the rest.
class ByteSource {
  public:
    virtual ~ByteSource() = default;
    virtual uint64_t Size() const = 0;
    virtual size_t ReadAt(uint64_t offset, void* dst, size_t len) const = 0;
};

// Borrows the bytes; they must outlive the source.
class MemoryByteSource : public ByteSource {
  public:
    MemoryByteSource(const void* data, size_t size);
    uint64_t Size() const override;
    size_t ReadAt(uint64_t offset, void* dst, size_t len) const override;

  private:
    const uint8_t* data_;
    size_t size_;
};

// Each side at most 32767 pixels and at most 268,435,456 pixels in all (16384 x 16384). That is far
// above any real camera or recorder still, and at 4 bytes per pixel the largest accepted picture
// stays below 2^31 bytes, so 32-bit size arithmetic inside the imaging library cannot overflow.
constexpr uint32_t kMaxImageSide = 32767;
constexpr uint64_t kMaxImagePixels = 16384ull * 16384ull;

// Bounds on the work a hostile file can cause. Real JPEGs carry a few dozen segments before the
// frame header; a JPEG needing more steps (fill bytes count as steps) is rejected as malformed.
constexpr uint32_t kMaxJpegMarkers = 10000;
// A GIF needing more blocks (extensions and frames) or data sub-blocks than this is rejected as too
// large: its later frames could not be checked within bounded work. 2^20 sub-blocks hold at least
// 255 MiB of picture data.
constexpr uint32_t kMaxGifBlocks = 10000;
constexpr uint32_t kMaxGifSubBlocks = 1u << 20;

enum class ImageFormat { Unknown, Bmp, Jpeg, Png, Gif, Tiff };

enum class HeaderVerdict {
    Acceptable,   // safe to hand to the imaging library
    Unrecognised, // not BMP, JPEG, PNG, GIF or classic TIFF
    Malformed,    // truncated or inconsistent header
    ZeroSize,     // declared width or height is 0
    TooLarge,     // declared size exceeds the limits above
};

// Width and height are as declared (a top-down BMP's height as its magnitude) whenever the header
// got far enough to declare them, and 0 otherwise.
struct HeaderCheckResult {
    HeaderVerdict verdict;
    ImageFormat format;
    uint32_t width;
    uint32_t height;
};

HeaderCheckResult CheckImageHeader(const ByteSource& source);

} // namespace imaging
