#include "exif_segment.h"

#include "jpeg_segment_writer.h"
#include "own_bytes.h"
#include "record_summary.h"
#include "utf16_text.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

enum FieldType : std::uint16_t {
    kByte = 1,
    kAscii = 2,
    kShort = 3,
    kLong = 4,
    kRational = 5,
    kUndefined = 7,
};

enum Tag : std::uint16_t {
    kImageDescription = 0x010E,
    kXResolution = 0x011A,
    kYResolution = 0x011B,
    kResolutionUnit = 0x0128,
    kSoftware = 0x0131,
    kDateTime = 0x0132,
    kYCbCrPositioning = 0x0213,
    kExifIfdPointer = 0x8769,
    kXpTitle = 0x9C9B,
    kXpComment = 0x9C9C,
    kXpSubject = 0x9C9F,
    kExifVersion = 0x9000,
    kOffsetTime = 0x9010,
    kComponentsConfiguration = 0x9101,
    kUserComment = 0x9286,
    kFlashpixVersion = 0xA000,
    kColorSpace = 0xA001,
    kPixelXDimension = 0xA002,
    kPixelYDimension = 0xA003,
};

constexpr std::size_t kTiffHeaderSize = 8;
constexpr std::size_t kEntrySize = 12;
// UserComment starts with its character code; this one means UTF-16 in the file's byte order.
const char kUnicodeCode[] = {'U', 'N', 'I', 'C', 'O', 'D', 'E', '\0'};

std::string Le16(std::uint32_t value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF)};
}

std::string Le32(std::uint32_t value) {
    return Le16(value & 0xFFFF) + Le16(value >> 16);
}

std::string AsciiValue(const std::string& text) {
    return text + '\0';
}

std::string Utf16Value(const std::string& utf8) {
    return Utf16LittleEndianBytes(Utf16FromUtf8(utf8));
}

// One image file directory: entries in tag order, then the values too long to sit in them,
// each starting on an even offset.
class Ifd {
  public:
    void Add(std::uint16_t tag, FieldType type, std::uint32_t count, const std::string& value) {
        m_entries.push_back({tag, type, count, value});
    }
    void AddShort(std::uint16_t tag, std::uint16_t value) { Add(tag, kShort, 1, Le16(value)); }
    void AddLong(std::uint16_t tag, std::uint32_t value) { Add(tag, kLong, 1, Le32(value)); }
    void AddAscii(std::uint16_t tag, const std::string& text) {
        std::string value = AsciiValue(text);
        Add(tag, kAscii, static_cast<std::uint32_t>(value.size()), value);
    }
    void AddUndefined(std::uint16_t tag, const std::string& value) {
        Add(tag, kUndefined, static_cast<std::uint32_t>(value.size()), value);
    }
    void AddBytes(std::uint16_t tag, const std::string& value) {
        Add(tag, kByte, static_cast<std::uint32_t>(value.size()), value);
    }

    std::size_t Size() const {
        std::size_t size = 2 + m_entries.size() * kEntrySize + 4;
        for (const Entry& entry : m_entries) {
            if (entry.value.size() > 4) {
                size += Padded(entry.value.size());
            }
        }
        return size;
    }

    // The directory as it sits at offset `at` from the TIFF header, with no directory after it.
    std::string Write(std::size_t at) const {
        std::vector<Entry> entries = m_entries;
        std::sort(entries.begin(), entries.end(),
                  [](const Entry& a, const Entry& b) { return a.tag < b.tag; });
        std::string directory = Le16(static_cast<std::uint32_t>(entries.size()));
        std::string values;
        std::size_t valuesAt = at + 2 + entries.size() * kEntrySize + 4;
        for (const Entry& entry : entries) {
            directory += Le16(entry.tag) + Le16(entry.type) + Le32(entry.count);
            if (entry.value.size() <= 4) {
                directory += entry.value + std::string(4 - entry.value.size(), '\0');
            } else {
                directory += Le32(static_cast<std::uint32_t>(valuesAt + values.size()));
                values += entry.value +
                          std::string(Padded(entry.value.size()) - entry.value.size(), '\0');
            }
        }
        return directory + Le32(0) + values;
    }

  private:
    struct Entry {
        std::uint16_t tag;
        FieldType type;
        std::uint32_t count;
        std::string value;
    };
    static std::size_t Padded(std::size_t size) { return size + (size & 1); }

    std::vector<Entry> m_entries;
};

Ifd ExifIfd(const ExportRecord& record) {
    Ifd exif;
    exif.AddUndefined(kExifVersion, "0232");
    if (record.exportedAt.size() > 19) {
        exif.AddAscii(kOffsetTime, record.exportedAt.substr(19));
    }
    exif.AddUndefined(kComponentsConfiguration, std::string("\1\2\3\0", 4));
    exif.AddUndefined(kUserComment, std::string(kUnicodeCode, sizeof kUnicodeCode) +
                                        Utf16Value(ProvenanceText(record)));
    exif.AddUndefined(kFlashpixVersion, "0100");
    exif.AddShort(kColorSpace, 1); // sRGB
    exif.AddLong(kPixelXDimension, static_cast<std::uint32_t>(record.workingWidth));
    exif.AddLong(kPixelYDimension, static_cast<std::uint32_t>(record.workingHeight));
    return exif;
}

Ifd MainIfd(const ExportRecord& record, std::uint32_t exifIfdAt, StillRules rules) {
    std::string summary = ViewSummaryLine(record);
    const int dpi = rules == StillRules::kWrittenTables ? kStillDotsPerInch : 72;
    std::string resolution = Le32(static_cast<std::uint32_t>(dpi)) + Le32(1);
    Ifd main;
    main.AddAscii(kImageDescription, AsciiReplacing(summary));
    main.Add(kXResolution, kRational, 1, resolution);
    main.Add(kYResolution, kRational, 1, resolution);
    main.AddShort(kResolutionUnit, 2); // inches
    main.AddAscii(kSoftware, AsciiReplacing(record.program));
    main.AddAscii(kDateTime, ExifDateTime(record.exportedAt));
    main.AddShort(kYCbCrPositioning, 1); // centred
    main.AddLong(kExifIfdPointer, exifIfdAt);
    main.AddBytes(kXpTitle, Utf16Value(summary) + Le16(0));
    main.AddBytes(kXpComment, Utf16Value(ProvenanceText(record)) + Le16(0));
    // Windows shows the description as Subject only for want of this, and in ASCII.
    main.AddBytes(kXpSubject, Utf16Value(summary) + Le16(0));
    return main;
}

} // namespace

std::string ExifDateTime(const std::string& isoTimestamp) {
    std::string text = isoTimestamp.substr(0, 19);
    if (text.size() < 19) {
        return std::string(19, ' '); // an unknown date, as the format writes it
    }
    text[4] = ':';
    text[7] = ':';
    text[10] = ' ';
    return text;
}

std::string ExifSegment(const ExportRecord& record, StillRules rules) {
    // The main directory's size does not depend on where the Exif directory goes.
    std::size_t mainSize = MainIfd(record, 0, rules).Size();
    std::size_t exifAt = kTiffHeaderSize + mainSize;
    std::string tiff =
        "II" + Le16(42) + Le32(kTiffHeaderSize) +
        MainIfd(record, static_cast<std::uint32_t>(exifAt), rules).Write(kTiffHeaderSize) +
        ExifIfd(record).Write(exifAt);
    return JpegSegment(JpegMarker::kApplication1,
                       std::string(kExifIdentifier, sizeof kExifIdentifier) + tiff);
}
