#include "exif_fields.h"

#include <cstdint>
#include <cstdio>
#include <set>

namespace {

// Where the TIFF header starts: after the marker, the length and "Exif" with two zeros.
constexpr std::size_t kTiffStart = 10;
constexpr std::size_t kEntrySize = 12;

struct TagName {
    std::uint16_t tag;
    const char* name;
};

const TagName kTagNames[] = {
    {0x0100, "ImageWidth"},
    {0x0101, "ImageHeight"},
    {0x0103, "Compression"},
    {0x010E, "ImageDescription"},
    {0x010F, "Make"},
    {0x0110, "Model"},
    {0x0112, "Orientation"},
    {0x011A, "XResolution"},
    {0x011B, "YResolution"},
    {0x0128, "ResolutionUnit"},
    {0x0131, "Software"},
    {0x0132, "DateTime"},
    {0x013B, "Artist"},
    {0x0201, "JPEGInterchangeFormat"},
    {0x0202, "JPEGInterchangeFormatLength"},
    {0x0213, "YCbCrPositioning"},
    {0x8298, "Copyright"},
    {0x8769, "ExifIFD"},
    {0x8825, "GPSInfo"},
    {0x9000, "ExifVersion"},
    {0x9003, "DateTimeOriginal"},
    {0x9004, "DateTimeDigitized"},
    {0x9010, "OffsetTime"},
    {0x9101, "ComponentsConfiguration"},
    {0x9286, "UserComment"},
    {0x9C9B, "XPTitle"},
    {0x9C9C, "XPComment"},
    {0x9C9D, "XPAuthor"},
    {0x9C9E, "XPKeywords"},
    {0x9C9F, "XPSubject"},
    {0xA000, "FlashpixVersion"},
    {0xA001, "ColorSpace"},
    {0xA002, "PixelXDimension"},
    {0xA003, "PixelYDimension"},
    {0xA005, "InteropIFD"},
};

// Tags whose value is where something else lies in the segment.
const std::set<std::uint16_t> kOffsetTags = {0x0201, 0x8769, 0x8825, 0xA005};
const std::set<std::uint16_t> kDirectoryTags = {0x8769, 0x8825, 0xA005};

const char* const kThumbnail = "thumbnail ";

std::string TagNameOf(std::uint16_t tag) {
    for (const TagName& known : kTagNames) {
        if (known.tag == tag) {
            return known.name;
        }
    }
    char name[16];
    std::snprintf(name, sizeof name, "tag 0x%04X", tag);
    return name;
}

std::size_t TypeSize(std::uint16_t type) {
    static const std::size_t kSizes[] = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};
    return type < sizeof kSizes / sizeof kSizes[0] ? kSizes[type] : 0;
}

class TiffReader {
  public:
    TiffReader(const std::string& tiff, std::map<std::string, std::string>* fields)
        : m_tiff(tiff), m_fields(fields) {}

    bool Read() {
        if (m_tiff.size() < 8 ||
            (m_tiff.compare(0, 2, "II") != 0 && m_tiff.compare(0, 2, "MM") != 0)) {
            return false;
        }
        m_bigEndian = m_tiff[0] == 'M';
        std::uint32_t first = U32(4);
        std::uint32_t next = 0;
        return Directory(first, "", &next) && (next == 0 || Directory(next, kThumbnail, &next));
    }

  private:
    bool Has(std::size_t at, std::size_t size) const {
        return at <= m_tiff.size() && size <= m_tiff.size() - at;
    }
    std::uint32_t Byte(std::size_t at) const { return static_cast<unsigned char>(m_tiff[at]); }
    std::uint16_t U16(std::size_t at) const {
        return static_cast<std::uint16_t>(m_bigEndian ? Byte(at) << 8 | Byte(at + 1)
                                                      : Byte(at + 1) << 8 | Byte(at));
    }
    std::uint32_t U32(std::size_t at) const {
        std::uint32_t high = U16(at + (m_bigEndian ? 0 : 2));
        std::uint32_t low = U16(at + (m_bigEndian ? 2 : 0));
        return high << 16 | low;
    }

    bool Directory(std::uint32_t at, const std::string& prefix, std::uint32_t* next) {
        // Each directory once: a loop of pointers is a malformed segment.
        if (!m_visited.insert(at).second || !Has(at, 2)) {
            return false;
        }
        std::size_t count = U16(at);
        if (!Has(at + 2, count * kEntrySize + 4)) {
            return false;
        }
        for (std::size_t i = 0; i < count; ++i) {
            if (!Entry(at + 2 + i * kEntrySize, prefix)) {
                return false;
            }
        }
        *next = U32(at + 2 + count * kEntrySize);
        return true;
    }

    bool Entry(std::size_t at, const std::string& prefix) {
        std::uint16_t tag = U16(at);
        std::uint16_t type = U16(at + 2);
        std::uint32_t count = U32(at + 4);
        std::size_t size = TypeSize(type) * count;
        if (TypeSize(type) == 0 || count > m_tiff.size()) {
            return false;
        }
        std::size_t valueAt = size <= 4 ? at + 8 : U32(at + 8);
        if (!Has(valueAt, size)) {
            return false;
        }
        std::string field = m_tiff.substr(at + 2, 6);
        field += kOffsetTags.count(tag) != 0 ? "(where)" : m_tiff.substr(valueAt, size);
        (*m_fields)[prefix + TagNameOf(tag)] = field;
        if (kDirectoryTags.count(tag) != 0) {
            std::uint32_t unused = 0;
            return Directory(U32(valueAt), prefix, &unused);
        }
        return true;
    }

    const std::string& m_tiff;
    std::map<std::string, std::string>* m_fields;
    bool m_bigEndian = false;
    std::set<std::uint32_t> m_visited;
};

bool IsThumbnailField(const std::string& name) {
    return name.compare(0, std::char_traits<char>::length(kThumbnail), kThumbnail) == 0;
}

bool HasThumbnail(const std::map<std::string, std::string>& fields) {
    for (const auto& field : fields) {
        if (IsThumbnailField(field.first)) {
            return true;
        }
    }
    return false;
}

} // namespace

bool ReadExifFields(const std::string& segment, std::map<std::string, std::string>* fields) {
    if (segment.size() < kTiffStart || segment.compare(4, 6, std::string("Exif\0\0", 6)) != 0) {
        return false;
    }
    fields->clear();
    return TiffReader(segment.substr(kTiffStart), fields).Read();
}

std::vector<std::string> ExifFieldChanges(const std::string& found, const std::string& expected) {
    std::map<std::string, std::string> was;
    std::map<std::string, std::string> is;
    if (!ReadExifFields(expected, &was) || !ReadExifFields(found, &is)) {
        return {"not a readable EXIF segment"};
    }
    std::vector<std::string> changes;
    bool thumbnailAdded = HasThumbnail(is) && !HasThumbnail(was);
    if (thumbnailAdded) {
        changes.push_back("a thumbnail picture added");
    }
    for (const auto& field : is) {
        auto other = was.find(field.first);
        if (other == was.end() && !(thumbnailAdded && IsThumbnailField(field.first))) {
            changes.push_back(field.first + " added");
        } else if (other != was.end() && other->second != field.second) {
            changes.push_back(field.first + " changed");
        }
    }
    for (const auto& field : was) {
        if (is.count(field.first) == 0) {
            changes.push_back(field.first + " removed");
        }
    }
    if (changes.empty() && found != expected) {
        changes.push_back("the same fields in other bytes than StillView writes");
    }
    return changes;
}
