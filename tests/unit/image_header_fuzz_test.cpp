#include "imaging/image_header.h"

#include "image_bytes.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

using namespace image_bytes;
using imaging::HeaderCheckResult;
using imaging::HeaderVerdict;
using imaging::ImageFormat;

constexpr uint32_t kSeed = 20240611;
constexpr int kMutantsPerSeed = 8000;

std::vector<Bytes> Seeds() {
    Bytes exif{'E', 'x', 'i', 'f', 0, 0};
    exif.insert(exif.end(), {'M', 'M', 0, 42, 0, 0, 0, 8, 0, 0});
    return {
        MakeBmp(64, -32, 24),
        MakeCoreBmp(16, 16, 12),
        MakeJpeg(640, 480, JpegSegment(0xE1, exif)),
        MakeJpeg(640, 480, JpegSegment(0xE2, Bytes(6000, 0x20))), // spans several read windows
        MakePng(800, 600),
        MakeGif(320, 240, {{0, 0, 320, 240}, {10, 10, 50, 50}}),
        MakeTiff(false, 640, 480, kTiffShort),
        MakeTiff(true, 640, 480, kTiffLong),
    };
}

// Uses raw engine output: the standard distributions differ between library implementations.
class Mutator {
  public:
    explicit Mutator(uint32_t seed) : engine_(seed) {}

    Bytes Mutate(Bytes bytes) {
        const uint32_t edits = 1 + Below(4);
        for (uint32_t i = 0; i < edits && !bytes.empty(); ++i) {
            Edit(bytes);
        }
        return bytes;
    }

  private:
    uint32_t Below(size_t bound) { return static_cast<uint32_t>(engine_() % bound); }

    void Edit(Bytes& bytes) {
        const size_t at = Below(bytes.size());
        switch (Below(4)) {
        case 0:
            bytes[at] ^= static_cast<uint8_t>(1u << Below(8));
            break;
        case 1: {
            static const uint8_t kValues[] = {0x00, 0xFF, 0x7F};
            bytes[at] = kValues[Below(3)];
            break;
        }
        case 2:
            bytes.resize(at);
            break;
        default:
            Inflate(bytes, at);
            break;
        }
    }

    // Makes a 16- or 32-bit field, of either byte order, large: the way lengths and counts lie.
    void Inflate(Bytes& bytes, size_t at) {
        const size_t width = Below(2) ? 2 : 4;
        for (size_t i = at; i < at + width && i < bytes.size(); ++i) {
            bytes[i] = (i == at && Below(2)) ? 0x7F : 0xFF;
        }
    }

    std::mt19937 engine_;
};

HeaderVerdict CheckInvariants(const Bytes& bytes) {
    const imaging::MemoryByteSource source(bytes.data(), bytes.size());
    const HeaderCheckResult result = imaging::CheckImageHeader(source);
    EXPECT_EQ(result.verdict == HeaderVerdict::Unrecognised, result.format == ImageFormat::Unknown);
    if (result.verdict == HeaderVerdict::ZeroSize) {
        EXPECT_TRUE(result.width == 0 || result.height == 0);
    }
    if (result.verdict == HeaderVerdict::Acceptable) {
        EXPECT_GT(result.width, 0u);
        EXPECT_GT(result.height, 0u);
        EXPECT_LE(result.width, imaging::kMaxImageSide);
        EXPECT_LE(result.height, imaging::kMaxImageSide);
        EXPECT_LE(uint64_t{result.width} * result.height, imaging::kMaxImagePixels);
    }
    return result.verdict;
}

TEST(ImageHeaderFuzz, MutatedPicturesKeepTheInvariants) {
    Mutator mutator(kSeed);
    std::vector<bool> seen(5, false);
    for (const Bytes& seed : Seeds()) {
        EXPECT_EQ(CheckInvariants(seed), HeaderVerdict::Acceptable);
        for (int i = 0; i < kMutantsPerSeed && !HasFailure(); ++i) {
            seen[static_cast<size_t>(CheckInvariants(mutator.Mutate(seed)))] = true;
        }
    }
    // Mutations too weak or too wild would leave some verdicts unexplored.
    for (size_t verdict = 0; verdict < seen.size(); ++verdict) {
        EXPECT_TRUE(seen[verdict]) << "no mutant got verdict " << verdict;
    }
}

} // namespace
