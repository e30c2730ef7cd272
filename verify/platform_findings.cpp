#include "platform_findings.h"

#include "own_bytes.h"

#include <vector>

namespace {

struct Assumption {
    const char* name;
    bool holds;
};

std::vector<Assumption> Assumptions(const PlatformFindings& f) {
    return {{"jpeg quality 100", f.qualityAt100 == 100},
            {"interpolation", f.interpolationsDiffer},
            {"a still made here", f.stillVerifies}};
}

std::string Le16(int value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF)};
}

std::string Le32(unsigned value) {
    return Le16(static_cast<int>(value & 0xFFFF)) + Le16(static_cast<int>(value >> 16));
}

// A directory entry of one value that fits in its four bytes.
std::string Entry(int tag, int type, unsigned value) {
    constexpr int kShort = 3;
    return Le16(tag) + Le16(type) + Le32(1) +
           (type == kShort ? Le16(static_cast<int>(value)) + Le16(0) : Le32(value));
}

} // namespace

std::string PlatformReportText(const PlatformFindings& f) {
    std::string text = "imaging library: " + f.imagingLibrary + "\n";
    text += "jpeg quality 100: " +
            (f.qualityAt100 == 100 ? std::string("honoured")
             : f.qualityAt100 == 0
                 ? std::string("not honoured: nothing could be encoded")
                 : "not honoured: the tables written show " + std::to_string(f.qualityAt100)) +
            "\n";
    text += std::string("interpolation: ") +
            (f.interpolationsDiffer ? "honoured: the three qualities draw three different pictures"
                                    : "not honoured: the three qualities draw the same pixels") +
            "\n";
    text += std::string("embedded thumbnail: ") +
            (f.embeddedThumbnailReturned
                 ? "returned by the thumbnail call, so the working picture of a file that carries "
                   "one is drawn from the whole picture"
                 : "not returned by the thumbnail call, which reduces the picture itself") +
            "\n";
    text +=
        "density written: " +
        (f.densityX > 0 ? std::to_string(f.densityX) + " x " + std::to_string(f.densityY) + " dpi"
                        : std::string("none")) +
        " (a still always states " + std::to_string(kStillDotsPerInch) + ")\n";
    text += "a still made here: " + f.stillVerdict + "\n";
    std::string failing;
    for (const Assumption& assumption : Assumptions(f)) {
        if (!assumption.holds) {
            failing += (failing.empty() ? "" : ", ") + std::string(assumption.name);
        }
    }
    return text + (failing.empty() ? "PLATFORM: every assumption holds\n"
                                   : "PLATFORM: not as assumed: " + failing + "\n");
}

int PlatformExitStatus(const PlatformFindings& f) {
    for (const Assumption& assumption : Assumptions(f)) {
        if (!assumption.holds) {
            return 1;
        }
    }
    return 0;
}

bool ReadJfifDensity(const std::string& jpeg, int* x, int* y) {
    constexpr int kDotsPerInch = 1;
    constexpr int kDotsPerCentimetre = 2;
    if (jpeg.size() < 18 || jpeg.compare(6, 5, std::string("JFIF\0", 5)) != 0) {
        return false;
    }
    auto at = [&jpeg](std::size_t i) { return static_cast<unsigned char>(jpeg[i]); };
    int units = at(13);
    *x = (at(14) << 8) | at(15);
    *y = (at(16) << 8) | at(17);
    if (units == kDotsPerCentimetre) {
        *x = (*x * 254 + 50) / 100;
        *y = (*y * 254 + 50) / 100;
    }
    return units == kDotsPerInch || units == kDotsPerCentimetre;
}

std::string ExifWithThumbnail(const std::string& thumbnailJpeg) {
    constexpr int kShort = 3;
    constexpr int kLong = 4;
    // Header, then the first directory (orientation alone), then the second (the thumbnail).
    constexpr unsigned kFirst = 8;
    constexpr unsigned kSecond = kFirst + 2 + 12 + 4;
    constexpr unsigned kThumbnail = kSecond + 2 + 3 * 12 + 4;
    std::string tiff = "II" + Le16(42) + Le32(kFirst);
    tiff += Le16(1) + Entry(0x0112, kShort, 1) + Le32(kSecond);
    tiff += Le16(3) + Entry(0x0103, kShort, 6) + Entry(0x0201, kLong, kThumbnail) +
            Entry(0x0202, kLong, static_cast<unsigned>(thumbnailJpeg.size())) + Le32(0);
    std::string payload = std::string("Exif\0\0", 6) + tiff + thumbnailJpeg;
    std::size_t length = payload.size() + 2;
    return std::string("\xFF\xE1", 2) + static_cast<char>((length >> 8) & 0xFF) +
           static_cast<char>(length & 0xFF) + payload;
}
