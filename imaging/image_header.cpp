#include "image_header.h"

#include "jpeg_markers.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace imaging {

MemoryByteSource::MemoryByteSource(const void* data, size_t size)
    : data_(static_cast<const uint8_t*>(data)), size_(size) {}

uint64_t MemoryByteSource::Size() const {
    return size_;
}

size_t MemoryByteSource::ReadAt(uint64_t offset, void* dst, size_t len) const {
    if (offset >= size_) {
        return 0;
    }
    const size_t count = static_cast<size_t>(std::min<uint64_t>(len, size_ - offset));
    std::memcpy(dst, data_ + offset, count);
    return count;
}

namespace {

constexpr size_t kWindowSize = 4096;

// Keeps a window of the source so that byte-by-byte walks (GIF sub-blocks, JPEG fill bytes) do not
// cost one source read each. Treats Size() as the end of the data even if more could be read.
class Reader {
  public:
    explicit Reader(const ByteSource& source) : source_(source), size_(source.Size()) {}

    uint64_t Size() const { return size_; }
    bool Fits(uint64_t offset, uint64_t len) const {
        return offset <= size_ && len <= size_ - offset;
    }
    // False unless all len bytes (at most kWindowSize) came from the source.
    bool Read(uint64_t offset, uint8_t* dst, size_t len);

  private:
    bool InWindow(uint64_t offset, size_t len) const;
    void Fill(uint64_t offset);

    const ByteSource& source_;
    const uint64_t size_;
    uint64_t windowStart_ = 0;
    size_t windowLen_ = 0;
    uint8_t window_[kWindowSize];
};

bool Reader::InWindow(uint64_t offset, size_t len) const {
    return offset >= windowStart_ && offset - windowStart_ <= windowLen_ &&
           len <= windowLen_ - (offset - windowStart_);
}

void Reader::Fill(uint64_t offset) {
    const size_t want = static_cast<size_t>(std::min<uint64_t>(kWindowSize, size_ - offset));
    windowStart_ = offset;
    windowLen_ = 0;
    while (windowLen_ < want) {
        const size_t asked = want - windowLen_;
        const size_t got = source_.ReadAt(offset + windowLen_, window_ + windowLen_, asked);
        if (got == 0) {
            break;
        }
        windowLen_ += std::min(got, asked); // a source claiming more than asked is not trusted
    }
}

bool Reader::Read(uint64_t offset, uint8_t* dst, size_t len) {
    if (!Fits(offset, len)) {
        return false;
    }
    if (!InWindow(offset, len)) {
        Fill(offset);
    }
    if (!InWindow(offset, len)) {
        return false;
    }
    std::memcpy(dst, window_ + (offset - windowStart_), len);
    return true;
}

uint16_t Le16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}
uint16_t Be16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] << 8 | p[1]);
}

uint32_t Le32(const uint8_t* p) {
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

uint32_t Be32(const uint8_t* p) {
    return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | uint32_t{p[3]};
}

bool ExceedsLimits(uint64_t width, uint64_t height) {
    return width > kMaxImageSide || height > kMaxImageSide || width * height > kMaxImagePixels;
}

HeaderCheckResult Judge(ImageFormat format, uint32_t width, uint32_t height) {
    HeaderVerdict verdict = HeaderVerdict::Acceptable;
    if (width == 0 || height == 0) {
        verdict = HeaderVerdict::ZeroSize;
    } else if (ExceedsLimits(width, height)) {
        verdict = HeaderVerdict::TooLarge;
    }
    return {verdict, format, width, height};
}

HeaderCheckResult Malformed(ImageFormat format) {
    return {HeaderVerdict::Malformed, format, 0, 0};
}

struct Signature {
    ImageFormat format;
    const char* bytes;
    size_t length;
};

// A JPEG starts with its start-of-image marker.
constexpr char kJpegStart[] = {static_cast<char>(MarkerByte(JpegMarker::kPrefix)),
                               static_cast<char>(MarkerByte(JpegMarker::kStartOfImage))};

constexpr Signature kSignatures[] = {
    {ImageFormat::Bmp, "BM", 2},
    {ImageFormat::Jpeg, kJpegStart, sizeof kJpegStart},
    {ImageFormat::Png, "\x89PNG\r\n\x1A\n", 8},
    {ImageFormat::Gif, "GIF87a", 6},
    {ImageFormat::Gif, "GIF89a", 6},
    {ImageFormat::Tiff, "II*\0", 4},
    {ImageFormat::Tiff, "MM\0*", 4},
};

ImageFormat DetectFormat(Reader& reader) {
    for (const Signature& signature : kSignatures) {
        uint8_t head[8];
        if (reader.Read(0, head, signature.length) &&
            std::memcmp(head, signature.bytes, signature.length) == 0) {
            return signature.format;
        }
    }
    return ImageFormat::Unknown;
}

constexpr uint64_t kBmpFileHeaderSize = 14;
constexpr uint32_t kBmpCoreHeaderSize = 12;
constexpr uint32_t kBmpInfoHeaderSize = 40;

HeaderCheckResult JudgeBmpCore(const uint8_t* dims) {
    return Judge(ImageFormat::Bmp, Le16(dims), Le16(dims + 2));
}

HeaderCheckResult JudgeBmpInfo(const uint8_t* dims) {
    const auto width = static_cast<int32_t>(Le32(dims));
    const auto height = static_cast<int32_t>(Le32(dims + 4));
    if (width < 0 || height == INT32_MIN) {
        return Malformed(ImageFormat::Bmp);
    }
    // A negative height marks a top-down picture.
    const auto rows = static_cast<uint32_t>(height < 0 ? -height : height);
    return Judge(ImageFormat::Bmp, static_cast<uint32_t>(width), rows);
}

HeaderCheckResult CheckBmp(Reader& reader) {
    // File header, DIB header size, then width and height in either header layout.
    uint8_t head[kBmpFileHeaderSize + 4 + 8];
    if (!reader.Read(0, head, sizeof head)) {
        return Malformed(ImageFormat::Bmp);
    }
    const uint32_t pixelOffset = Le32(head + 10);
    const uint32_t dibSize = Le32(head + 14);
    if ((dibSize != kBmpCoreHeaderSize && dibSize < kBmpInfoHeaderSize) ||
        !reader.Fits(0, kBmpFileHeaderSize + dibSize) || pixelOffset >= reader.Size()) {
        return Malformed(ImageFormat::Bmp);
    }
    const uint8_t* dims = head + kBmpFileHeaderSize + 4;
    return dibSize == kBmpCoreHeaderSize ? JudgeBmpCore(dims) : JudgeBmpInfo(dims);
}

bool IsStandaloneMarker(JpegMarker marker) {
    return marker == JpegMarker::kTemporary ||
           (marker >= JpegMarker::kFirstRestart && marker <= JpegMarker::kLastRestart);
}

// SOF0..SOF15; DHT, JPG and DAC share the range but are not frame headers.
bool IsFrameMarker(JpegMarker marker) {
    return marker >= JpegMarker::kFirstStartOfFrame && marker <= JpegMarker::kLastStartOfFrame &&
           marker != JpegMarker::kHuffmanTables && marker != JpegMarker::kExtension &&
           marker != JpegMarker::kArithmeticConditioning;
}

// A stuffed zero, a second SOI, EOI or SOS cannot come before the frame header.
bool EndsJpegWalk(JpegMarker marker) {
    return marker == JpegMarker::kStuffedZero || marker == JpegMarker::kStartOfImage ||
           marker == JpegMarker::kEndOfImage || marker == JpegMarker::kStartOfScan;
}

// Where the next marker starts after the one at pos, or nothing if this one cannot be stepped over.
std::optional<uint64_t> StepOverMarker(Reader& reader, uint64_t pos, JpegMarker marker) {
    if (marker == JpegMarker::kPrefix) {
        return pos + 1; // fill byte
    }
    if (IsStandaloneMarker(marker)) {
        return pos + 2;
    }
    uint8_t length[2];
    if (EndsJpegWalk(marker) || !reader.Read(pos + 2, length, sizeof length) || Be16(length) < 2) {
        return std::nullopt;
    }
    return pos + 2 + Be16(length);
}

HeaderCheckResult CheckJpegFrame(Reader& reader, uint64_t pos) {
    uint8_t frame[8]; // length, precision, height, width, component count
    if (!reader.Read(pos + 2, frame, sizeof frame)) {
        return Malformed(ImageFormat::Jpeg);
    }
    const uint16_t length = Be16(frame);
    const uint8_t components = frame[7];
    if (components == 0 || length != 8 + 3 * components || !reader.Fits(pos + 2, length)) {
        return Malformed(ImageFormat::Jpeg);
    }
    return Judge(ImageFormat::Jpeg, Be16(frame + 5), Be16(frame + 3));
}

HeaderCheckResult CheckJpeg(Reader& reader) {
    uint64_t pos = 2; // past SOI
    for (uint32_t step = 0; step < kMaxJpegMarkers; ++step) {
        uint8_t marker[2];
        if (!reader.Read(pos, marker, sizeof marker) ||
            static_cast<JpegMarker>(marker[0]) != JpegMarker::kPrefix) {
            return Malformed(ImageFormat::Jpeg);
        }
        const JpegMarker kind = static_cast<JpegMarker>(marker[1]);
        if (IsFrameMarker(kind)) {
            return CheckJpegFrame(reader, pos);
        }
        const std::optional<uint64_t> next = StepOverMarker(reader, pos, kind);
        if (!next) {
            return Malformed(ImageFormat::Jpeg);
        }
        pos = *next;
    }
    return Malformed(ImageFormat::Jpeg);
}

HeaderCheckResult CheckPng(Reader& reader) {
    uint8_t ihdr[25]; // length, type, 13 data bytes, CRC
    if (!reader.Read(8, ihdr, sizeof ihdr) || Be32(ihdr) != 13 ||
        std::memcmp(ihdr + 4, "IHDR", 4) != 0) {
        return Malformed(ImageFormat::Png);
    }
    return Judge(ImageFormat::Png, Be32(ihdr + 8), Be32(ihdr + 12));
}

constexpr uint64_t kGifHeaderSize = 13; // signature and logical screen descriptor

uint64_t GifColorTableSize(uint8_t packed) {
    return (packed & 0x80) ? 3u << ((packed & 7) + 1) : 0;
}

// Walks the blocks after the global colour table. Running out of data ends the walk quietly: a
// truncated GIF holds no further frame for the imaging library to size.
class GifWalker {
  public:
    GifWalker(Reader& reader, uint64_t pos) : reader_(reader), pos_(pos) {}
    HeaderVerdict Run();

  private:
    using Outcome = std::optional<HeaderVerdict>; // empty while the walk goes on

    Outcome Fetch(uint8_t* dst, size_t len);
    Outcome Block();
    Outcome Extension();
    Outcome Frame();
    Outcome SubBlocks();

    Reader& reader_;
    uint64_t pos_;
    uint32_t subBlocks_ = 0;
};

GifWalker::Outcome GifWalker::Fetch(uint8_t* dst, size_t len) {
    if (!reader_.Fits(pos_, len)) {
        return HeaderVerdict::Acceptable;
    }
    if (!reader_.Read(pos_, dst, len)) {
        return HeaderVerdict::Malformed;
    }
    pos_ += len;
    return std::nullopt;
}

HeaderVerdict GifWalker::Run() {
    for (uint32_t block = 0; block < kMaxGifBlocks; ++block) {
        if (const Outcome end = Block()) {
            return *end;
        }
    }
    return HeaderVerdict::TooLarge;
}

GifWalker::Outcome GifWalker::Block() {
    uint8_t introducer;
    if (const Outcome end = Fetch(&introducer, 1)) {
        return end;
    }
    switch (introducer) {
    case 0x21:
        return Extension();
    case 0x2C:
        return Frame();
    case 0x3B:
        return HeaderVerdict::Acceptable;
    default:
        return HeaderVerdict::Malformed;
    }
}

GifWalker::Outcome GifWalker::Extension() {
    uint8_t label;
    if (const Outcome end = Fetch(&label, 1)) {
        return end;
    }
    return SubBlocks();
}

GifWalker::Outcome GifWalker::Frame() {
    uint8_t descriptor[9]; // left, top, width, height, packed fields
    if (const Outcome end = Fetch(descriptor, sizeof descriptor)) {
        return end;
    }
    const uint64_t right = uint64_t{Le16(descriptor)} + Le16(descriptor + 4);
    const uint64_t bottom = uint64_t{Le16(descriptor + 2)} + Le16(descriptor + 6);
    if (ExceedsLimits(right, bottom)) {
        return HeaderVerdict::TooLarge;
    }
    // The LZW minimum code size byte follows the local colour table.
    pos_ += GifColorTableSize(descriptor[8]) + 1;
    return SubBlocks();
}

GifWalker::Outcome GifWalker::SubBlocks() {
    for (;;) {
        uint8_t length;
        if (const Outcome end = Fetch(&length, 1)) {
            return end;
        }
        if (length == 0) {
            return std::nullopt;
        }
        if (++subBlocks_ > kMaxGifSubBlocks) {
            return HeaderVerdict::TooLarge;
        }
        pos_ += length;
    }
}

HeaderCheckResult CheckGif(Reader& reader) {
    uint8_t screen[7]; // width, height, packed fields, background, pixel ratio
    if (!reader.Read(6, screen, sizeof screen)) {
        return Malformed(ImageFormat::Gif);
    }
    HeaderCheckResult result = Judge(ImageFormat::Gif, Le16(screen), Le16(screen + 2));
    if (result.verdict == HeaderVerdict::Acceptable) {
        result.verdict = GifWalker(reader, kGifHeaderSize + GifColorTableSize(screen[4])).Run();
    }
    return result;
}

constexpr uint64_t kTiffHeaderSize = 8;
constexpr uint64_t kTiffEntrySize = 12;
constexpr uint16_t kTiffImageWidth = 256;
constexpr uint16_t kTiffImageLength = 257;
constexpr uint16_t kTiffShort = 3;
constexpr uint16_t kTiffLong = 4;

struct TiffByteOrder {
    bool bigEndian;
    uint16_t U16(const uint8_t* p) const { return bigEndian ? Be16(p) : Le16(p); }
    uint32_t U32(const uint8_t* p) const { return bigEndian ? Be32(p) : Le32(p); }
};

struct TiffDimensions {
    std::optional<uint32_t> width;
    std::optional<uint32_t> height;
};

// False when the tag repeats (a second copy could hide the value the decoder uses) or is not a
// single SHORT or LONG.
bool TakeDimension(const uint8_t* entry, TiffByteOrder order, std::optional<uint32_t>& slot) {
    const uint16_t type = order.U16(entry + 2);
    if (slot || order.U32(entry + 4) != 1) {
        return false;
    }
    if (type == kTiffShort) {
        slot = order.U16(entry + 8);
    } else if (type == kTiffLong) {
        slot = order.U32(entry + 8);
    }
    return slot.has_value();
}

bool ReadTiffEntries(Reader& reader, TiffByteOrder order, uint64_t first, uint16_t count,
                     TiffDimensions& dims) {
    for (uint16_t i = 0; i < count; ++i) {
        uint8_t entry[kTiffEntrySize];
        if (!reader.Read(first + i * kTiffEntrySize, entry, sizeof entry)) {
            return false;
        }
        const uint16_t tag = order.U16(entry);
        if ((tag == kTiffImageWidth && !TakeDimension(entry, order, dims.width)) ||
            (tag == kTiffImageLength && !TakeDimension(entry, order, dims.height))) {
            return false;
        }
    }
    return true;
}

HeaderCheckResult CheckTiff(Reader& reader) {
    uint8_t head[kTiffHeaderSize];
    uint8_t count[2];
    if (!reader.Read(0, head, sizeof head)) {
        return Malformed(ImageFormat::Tiff);
    }
    const TiffByteOrder order{head[0] == 'M'};
    const uint64_t ifd = order.U32(head + 4);
    if (ifd < kTiffHeaderSize || !reader.Read(ifd, count, sizeof count)) {
        return Malformed(ImageFormat::Tiff);
    }
    const uint16_t entries = order.U16(count);
    TiffDimensions dims;
    if (!ReadTiffEntries(reader, order, ifd + 2, entries, dims) || !dims.width || !dims.height) {
        return Malformed(ImageFormat::Tiff);
    }
    return Judge(ImageFormat::Tiff, *dims.width, *dims.height);
}

} // namespace

HeaderCheckResult CheckImageHeader(const ByteSource& source) {
    Reader reader(source);
    switch (DetectFormat(reader)) {
    case ImageFormat::Bmp:
        return CheckBmp(reader);
    case ImageFormat::Jpeg:
        return CheckJpeg(reader);
    case ImageFormat::Png:
        return CheckPng(reader);
    case ImageFormat::Gif:
        return CheckGif(reader);
    case ImageFormat::Tiff:
        return CheckTiff(reader);
    case ImageFormat::Unknown:
        break;
    }
    return {HeaderVerdict::Unrecognised, ImageFormat::Unknown, 0, 0};
}

} // namespace imaging
