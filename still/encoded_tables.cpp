#include "encoded_tables.h"

#include "jpeg_markers.h"

#include <cstdlib>
#include <vector>

namespace {

using namespace jpeg;

// The example luminance table of the JPEG standard (ITU-T T.81), which the common encoders scale
// for every quality, in the zig-zag order a DQT segment stores it in.
const int kStandardLuminance[64] = {16,  11, 12, 14,  12,  10,  16,  14,  13, 14,  18,  17,  16,
                                    19,  24, 40, 26,  24,  22,  22,  24,  49, 35,  37,  29,  40,
                                    58,  51, 61, 60,  57,  51,  56,  55,  64, 72,  92,  78,  64,
                                    68,  87, 69, 55,  56,  80,  109, 81,  87, 95,  98,  103, 104,
                                    103, 62, 77, 113, 121, 112, 100, 120, 92, 101, 103, 99};

// The table the IJG library writes for a quality.
int ScaledEntry(int entry, int quality) {
    int scale = quality < 50 ? 5000 / quality : 200 - 2 * quality;
    int value = (entry * scale + 50) / 100;
    return value < 1 ? 1 : (value > 255 ? 255 : value);
}

int NearestQuality(const std::vector<int>& table) {
    int best = 0;
    long bestDistance = -1;
    for (int quality = 1; quality <= 100; ++quality) {
        long distance = 0;
        for (int i = 0; i < 64; ++i) {
            distance += std::abs(table[i] - ScaledEntry(kStandardLuminance[i], quality));
        }
        if (bestDistance < 0 || distance <= bestDistance) {
            best = quality;
            bestDistance = distance;
        }
    }
    return best;
}

// Table 0 of a DQT segment's payload [at, end), when the segment holds it.
bool ReadLuminanceTable(const std::string& jpeg, std::size_t at, std::size_t end,
                        std::vector<int>* table) {
    while (at < end) {
        int precision = ByteAt(jpeg, at) >> 4;
        int id = ByteAt(jpeg, at) & 0x0F;
        std::size_t size = precision == 0 ? 64 : 128;
        if (at + 1 + size > end) {
            return false;
        }
        if (id == 0) {
            table->assign(64, 0);
            for (std::size_t i = 0; i < 64; ++i) {
                (*table)[i] = precision == 0 ? ByteAt(jpeg, at + 1 + i)
                                             : (ByteAt(jpeg, at + 1 + 2 * i) << 8) |
                                                   ByteAt(jpeg, at + 2 + 2 * i);
            }
            return true;
        }
        at += 1 + size;
    }
    return false;
}

std::string Factors(const std::string& jpeg, std::size_t at, int components) {
    std::string text;
    for (int c = 0; c < components; ++c) {
        int factors = ByteAt(jpeg, at + 3 * c + 1);
        text += (c > 0 ? "," : "") + std::to_string(factors >> 4) + "x" +
                std::to_string(factors & 0x0F);
    }
    return text;
}

// The subsampling of a frame header's payload starting at `at`.
std::string Subsampling(const std::string& jpeg, std::size_t at, std::size_t end) {
    int components = at + 6 <= end ? ByteAt(jpeg, at + 5) : 0;
    std::size_t first = at + 6;
    if (components < 1 || first + 3 * static_cast<std::size_t>(components) > end) {
        return std::string();
    }
    if (components == 1) {
        return "grey";
    }
    std::string factors = Factors(jpeg, first, components);
    struct Name {
        const char* factors;
        const char* name;
    };
    static const Name kNames[] = {{"1x1,1x1,1x1", "4:4:4"},
                                  {"2x1,1x1,1x1", "4:2:2"},
                                  {"2x2,1x1,1x1", "4:2:0"},
                                  {"1x2,1x1,1x1", "4:4:0"},
                                  {"4x1,1x1,1x1", "4:1:1"}};
    for (const Name& name : kNames) {
        if (factors == name.factors) {
            return name.name;
        }
    }
    return factors;
}

bool IsFrame(JpegMarker marker) {
    return marker >= JpegMarker::kFirstStartOfFrame && marker <= JpegMarker::kLastStartOfFrame &&
           marker != JpegMarker::kHuffmanTables && marker != JpegMarker::kExtension &&
           marker != JpegMarker::kArithmeticConditioning;
}

} // namespace

bool ReadEncodedTables(const std::string& jpeg, EncodedTables* tables) {
    constexpr unsigned char kQuantizationTables = 0xDB;
    std::vector<int> luminance;
    std::string subsampling;
    std::size_t at = 2;
    while (at + 4 <= jpeg.size() && MarkerAt(jpeg, at) == JpegMarker::kPrefix &&
           MarkerAt(jpeg, at + 1) != JpegMarker::kStartOfScan) {
        std::size_t end = at + 2 + SegmentLength(jpeg, at);
        if (SegmentLength(jpeg, at) < 2 || end > jpeg.size()) {
            return false;
        }
        if (ByteAt(jpeg, at + 1) == kQuantizationTables && luminance.empty()) {
            ReadLuminanceTable(jpeg, at + 4, end, &luminance);
        } else if (IsFrame(MarkerAt(jpeg, at + 1))) {
            subsampling = Subsampling(jpeg, at + 4, end);
        }
        at = end;
    }
    if (luminance.empty() || subsampling.empty()) {
        return false;
    }
    tables->quality = NearestQuality(luminance);
    tables->subsampling = subsampling;
    return true;
}
