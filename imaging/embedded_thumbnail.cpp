#include "embedded_thumbnail.h"

#include <cstdint>
#include <cstring>

namespace imaging {

namespace {

constexpr std::size_t kIfdEntryBytes = 12;
constexpr unsigned char kExifHeader[] = {'E', 'x', 'i', 'f', 0, 0};
constexpr unsigned char kApp1 = 0xE1;
constexpr unsigned char kStartOfScan = 0xDA;
constexpr unsigned char kEndOfImage = 0xD9;

class TiffBytes {
  public:
    TiffBytes(const unsigned char* data, std::size_t size)
        : m_data(data), m_size(size), m_little(size >= 2 && data[0] == 'I' && data[1] == 'I') {}

    bool Valid() const {
        return m_size >= 8 && (m_little || (m_data[0] == 'M' && m_data[1] == 'M')) && U16(2) == 42;
    }
    std::uint32_t U16(std::size_t at) const {
        return m_little ? m_data[at] | m_data[at + 1] << 8 : m_data[at] << 8 | m_data[at + 1];
    }
    std::uint32_t U32(std::size_t at) const {
        return m_little ? U16(at) | U16(at + 2) << 16 : U16(at) << 16 | U16(at + 2);
    }
    bool Fits(std::uint64_t at, std::uint64_t length) const {
        return at <= m_size && length <= m_size - at;
    }

    // The first directory names a next one.
    bool HasSecondDirectory() const {
        if (!Valid()) {
            return false;
        }
        const std::uint32_t first = U32(4);
        if (!Fits(first, 2)) {
            return false;
        }
        const std::uint64_t next = first + 2 + std::uint64_t{kIfdEntryBytes} * U16(first);
        return Fits(next, 4) && U32(static_cast<std::size_t>(next)) != 0;
    }

  private:
    const unsigned char* m_data;
    std::size_t m_size;
    bool m_little;
};

bool JpegHasExifThumbnail(const unsigned char* data, std::size_t size) {
    std::size_t at = 2;
    while (at + 4 <= size && data[at] == 0xFF) {
        const unsigned char marker = data[at + 1];
        if (marker == 0xFF) {
            ++at; // a fill byte
            continue;
        }
        if (marker == kStartOfScan || marker == kEndOfImage) {
            return false;
        }
        const std::size_t length = data[at + 2] << 8 | data[at + 3];
        if (length < 2 || length > size - at - 2) {
            return false;
        }
        const unsigned char* body = data + at + 4;
        const std::size_t bodySize = length - 2;
        if (marker == kApp1 && bodySize > sizeof kExifHeader &&
            std::memcmp(body, kExifHeader, sizeof kExifHeader) == 0 &&
            TiffBytes(body + sizeof kExifHeader, bodySize - sizeof kExifHeader)
                .HasSecondDirectory()) {
            return true;
        }
        at += 2 + length;
    }
    return false;
}

} // namespace

bool HasEmbeddedThumbnail(const unsigned char* data, std::size_t size) {
    if (size >= 2 && data[0] == 0xFF && data[1] == 0xD8) {
        return JpegHasExifThumbnail(data, size);
    }
    return TiffBytes(data, size).HasSecondDirectory();
}

} // namespace imaging
