#include "imaging/image_header.h"

#include "image_bytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace imaging {

void PrintTo(HeaderVerdict verdict, std::ostream* os) {
    static const char* const kNames[] = {"Acceptable", "Unrecognised", "Malformed", "ZeroSize",
                                         "TooLarge"};
    *os << kNames[static_cast<int>(verdict)];
}

void PrintTo(ImageFormat format, std::ostream* os) {
    static const char* const kNames[] = {"Unknown", "Bmp", "Jpeg", "Png", "Gif", "Tiff"};
    *os << kNames[static_cast<int>(format)];
}

} // namespace imaging

namespace {

using namespace image_bytes;
using imaging::HeaderCheckResult;
using imaging::HeaderVerdict;
using imaging::ImageFormat;

HeaderCheckResult Check(const Bytes& bytes) {
    const imaging::MemoryByteSource source(bytes.data(), bytes.size());
    return imaging::CheckImageHeader(source);
}

HeaderVerdict VerdictOf(const Bytes& bytes) {
    return Check(bytes).verdict;
}

Bytes Join(Bytes first, const Bytes& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

void ExpectAcceptable(const Bytes& bytes, ImageFormat format, uint32_t width, uint32_t height) {
    const HeaderCheckResult result = Check(bytes);
    EXPECT_EQ(result.verdict, HeaderVerdict::Acceptable);
    EXPECT_EQ(result.format, format);
    EXPECT_EQ(result.width, width);
    EXPECT_EQ(result.height, height);
}

TEST(MemoryByteSource, ReadsStopAtTheEnd) {
    const Bytes bytes{1, 2, 3, 4, 5};
    const imaging::MemoryByteSource source(bytes.data(), bytes.size());
    uint8_t out[4] = {0, 0, 0, 0};
    EXPECT_EQ(source.Size(), 5u);
    EXPECT_EQ(source.ReadAt(3, out, sizeof out), 2u);
    EXPECT_EQ(out[0], 4);
    EXPECT_EQ(out[1], 5);
    EXPECT_EQ(source.ReadAt(5, out, sizeof out), 0u);
    EXPECT_EQ(source.ReadAt(UINT64_MAX, out, sizeof out), 0u);
}

// BMP: the file header holds the pixel offset at 10 and the DIB header size at 14.

TEST(BmpHeader, InfoHeaderGivesDeclaredSize) {
    ExpectAcceptable(MakeBmp(640, 480), ImageFormat::Bmp, 640, 480);
}

TEST(BmpHeader, CoreHeaderGivesDeclaredSize) {
    ExpectAcceptable(MakeCoreBmp(320, 200), ImageFormat::Bmp, 320, 200);
}

TEST(BmpHeader, LaterHeaderVersionGivesDeclaredSize) {
    Bytes bmp = MakeBmp(64, 32, 100);
    WriteLe32(bmp, 14, 124); // BITMAPV5HEADER
    WriteLe32(bmp, 10, 14 + 124);
    ExpectAcceptable(bmp, ImageFormat::Bmp, 64, 32);
}

TEST(BmpHeader, TopDownHeightCountsByMagnitude) {
    ExpectAcceptable(MakeBmp(640, -480), ImageFormat::Bmp, 640, 480);
}

TEST(BmpHeader, ZeroWidthOrHeightIsZeroSize) {
    EXPECT_EQ(VerdictOf(MakeBmp(0, 480)), HeaderVerdict::ZeroSize);
    EXPECT_EQ(VerdictOf(MakeBmp(640, 0)), HeaderVerdict::ZeroSize);
    EXPECT_EQ(VerdictOf(MakeCoreBmp(0, 200)), HeaderVerdict::ZeroSize);
}

TEST(BmpHeader, NegativeWidthAndMostNegativeHeightAreMalformed) {
    EXPECT_EQ(VerdictOf(MakeBmp(-640, 480)), HeaderVerdict::Malformed);
    EXPECT_EQ(VerdictOf(MakeBmp(640, INT32_MIN)), HeaderVerdict::Malformed);
}

TEST(BmpHeader, PixelOffsetMustLieInsideTheFile) {
    Bytes bmp = MakeBmp(2, 2, 16);
    const auto size = static_cast<uint32_t>(bmp.size());
    WriteLe32(bmp, 10, size - 1);
    EXPECT_EQ(VerdictOf(bmp), HeaderVerdict::Acceptable);
    WriteLe32(bmp, 10, size);
    EXPECT_EQ(VerdictOf(bmp), HeaderVerdict::Malformed);
    WriteLe32(bmp, 10, UINT32_MAX);
    EXPECT_EQ(VerdictOf(bmp), HeaderVerdict::Malformed);
}

TEST(BmpHeader, UnknownOrOverlongDibHeaderIsMalformed) {
    Bytes bmp = MakeBmp(640, 480, 200);
    WriteLe32(bmp, 14, 16);
    EXPECT_EQ(VerdictOf(bmp), HeaderVerdict::Malformed);
    WriteLe32(bmp, 14, 0xFFFFFFF0u);
    EXPECT_EQ(VerdictOf(bmp), HeaderVerdict::Malformed);
}

// JPEG

Bytes FrameShapedPayload(uint16_t side) {
    Bytes payload{8};
    AppendBe16(payload, side);
    AppendBe16(payload, side);
    payload.insert(payload.end(), {1, 1, 0x11, 0});
    return payload;
}

TEST(JpegHeader, BaselineGivesDeclaredSize) {
    ExpectAcceptable(MakeJpeg(640, 480), ImageFormat::Jpeg, 640, 480);
}

TEST(JpegHeader, EveryFrameHeaderKindGivesDeclaredSize) {
    for (const uint8_t marker :
         {0xC0, 0xC1, 0xC2, 0xC3, 0xC5, 0xC6, 0xC7, 0xC9, 0xCA, 0xCB, 0xCD, 0xCE, 0xCF}) {
        SCOPED_TRACE(static_cast<int>(marker));
        ExpectAcceptable(MakeJpeg(640, 480, {}, marker), ImageFormat::Jpeg, 640, 480);
    }
}

TEST(JpegHeader, DhtJpgAndDacAreNotFrameHeaders) {
    for (const uint8_t marker : {0xC4, 0xC8, 0xCC}) {
        SCOPED_TRACE(static_cast<int>(marker));
        const Bytes decoy = JpegSegment(marker, FrameShapedPayload(1000));
        ExpectAcceptable(MakeJpeg(640, 480, decoy), ImageFormat::Jpeg, 640, 480);
    }
}

TEST(JpegHeader, ExifSegmentBeforeFrameIsSkipped) {
    // The EXIF block embeds a TIFF declaring a huge picture; only the frame header counts.
    Bytes exif{'E', 'x', 'i', 'f', 0, 0};
    exif = Join(exif, MakeTiff(true, 65535, 65535, kTiffLong));
    ExpectAcceptable(MakeJpeg(640, 480, JpegSegment(0xE1, exif)), ImageFormat::Jpeg, 640, 480);
}

TEST(JpegHeader, SegmentLongerThanAReadWindowIsSkipped) {
    const Bytes big = JpegSegment(0xE2, Bytes(60000, 0x20));
    ExpectAcceptable(MakeJpeg(640, 480, Join(big, big)), ImageFormat::Jpeg, 640, 480);
}

TEST(JpegHeader, FillBytesAndStandaloneMarkersAreSkipped) {
    const Bytes extra{0xFF, 0xFF, 0xFF, 0xD0, 0xFF, 0x01, 0xFF, 0xFF};
    ExpectAcceptable(MakeJpeg(640, 480, extra), ImageFormat::Jpeg, 640, 480);
}

TEST(JpegHeader, HugeDeclaredSizeIsTooLarge) {
    const HeaderCheckResult result = Check(MakeJpeg(65500, 65500));
    EXPECT_EQ(result.verdict, HeaderVerdict::TooLarge);
    EXPECT_EQ(result.width, 65500u);
    EXPECT_EQ(result.height, 65500u);
}

TEST(JpegHeader, ZeroWidthOrHeightIsZeroSize) {
    EXPECT_EQ(VerdictOf(MakeJpeg(0, 480)), HeaderVerdict::ZeroSize);
    EXPECT_EQ(VerdictOf(MakeJpeg(640, 0)), HeaderVerdict::ZeroSize);
}

TEST(JpegHeader, SegmentLengthBelowTwoIsMalformed) {
    EXPECT_EQ(VerdictOf(MakeJpeg(640, 480, {0xFF, 0xE1, 0x00, 0x01})), HeaderVerdict::Malformed);
    EXPECT_EQ(VerdictOf(MakeJpeg(640, 480, {0xFF, 0xE1, 0x00, 0x00})), HeaderVerdict::Malformed);
}

TEST(JpegHeader, SegmentRunningPastTheEndIsMalformed) {
    EXPECT_EQ(VerdictOf(MakeJpeg(640, 480, {0xFF, 0xFE, 0xFF, 0xFF})), HeaderVerdict::Malformed);
}

TEST(JpegHeader, MarkersThatCannotPrecedeTheFrameAreMalformed) {
    const Bytes scan = JpegSegment(0xDA, {1, 1, 0, 0, 63, 0});
    for (const Bytes& extra : {scan, Bytes{0xFF, 0xD9}, Bytes{0xFF, 0xD8}, Bytes{0xFF, 0x00}}) {
        EXPECT_EQ(VerdictOf(MakeJpeg(640, 480, extra)), HeaderVerdict::Malformed);
    }
}

TEST(JpegHeader, StrayByteBetweenSegmentsIsMalformed) {
    EXPECT_EQ(VerdictOf(MakeJpeg(640, 480, {0x00})), HeaderVerdict::Malformed);
}

TEST(JpegHeader, FrameHeaderDisagreeingWithItsComponentCountIsMalformed) {
    const Bytes soi{0xFF, 0xD8};
    const Bytes threeClaimedOneGiven = JpegSegment(0xC0, {8, 0, 10, 0, 10, 3, 1, 0x11, 0});
    const Bytes noComponents = JpegSegment(0xC0, {8, 0, 10, 0, 10, 0});
    EXPECT_EQ(VerdictOf(Join(soi, threeClaimedOneGiven)), HeaderVerdict::Malformed);
    EXPECT_EQ(VerdictOf(Join(soi, noComponents)), HeaderVerdict::Malformed);
}

Bytes Repeat(const Bytes& unit, size_t times) {
    Bytes out;
    out.reserve(unit.size() * times);
    for (size_t i = 0; i < times; ++i) {
        out.insert(out.end(), unit.begin(), unit.end());
    }
    return out;
}

TEST(JpegHeader, WalkIsCappedInSegmentsAndFillBytes) {
    const Bytes comment = JpegSegment(0xFE, {});
    EXPECT_EQ(VerdictOf(MakeJpeg(640, 480, Repeat(comment, 1000))), HeaderVerdict::Acceptable);
    EXPECT_EQ(VerdictOf(MakeJpeg(640, 480, Repeat(comment, imaging::kMaxJpegMarkers))),
              HeaderVerdict::Malformed);
    EXPECT_EQ(VerdictOf(MakeJpeg(640, 480, Bytes(imaging::kMaxJpegMarkers, 0xFF))),
              HeaderVerdict::Malformed);
}

// PNG

TEST(PngHeader, IhdrGivesDeclaredSize) {
    ExpectAcceptable(MakePng(800, 600), ImageFormat::Png, 800, 600);
}

TEST(PngHeader, DeclaredSizesOutsideTheLimitsAreRejected) {
    EXPECT_EQ(VerdictOf(MakePng(100000, 1)), HeaderVerdict::TooLarge);
    EXPECT_EQ(VerdictOf(MakePng(0x80000000u, 0x80000000u)), HeaderVerdict::TooLarge);
    EXPECT_EQ(VerdictOf(MakePng(0, 600)), HeaderVerdict::ZeroSize);
}

TEST(PngHeader, IhdrMustBeTheFirstChunkWithThirteenBytes) {
    const Bytes png = MakePng(800, 600);
    Bytes late = PngSignature();
    AppendPngChunk(late, "tEXt", {'a', 0, 'b'});
    late.insert(late.end(), png.begin() + 8, png.end());
    EXPECT_EQ(VerdictOf(late), HeaderVerdict::Malformed);

    Bytes overlong = PngSignature();
    AppendPngChunk(overlong, "IHDR", Bytes(14, 1));
    EXPECT_EQ(VerdictOf(overlong), HeaderVerdict::Malformed);
}

// GIF

TEST(GifHeader, LogicalScreenGivesDeclaredSize) {
    ExpectAcceptable(MakeGif(320, 240, {{0, 0, 320, 240}, {10, 10, 50, 50}}), ImageFormat::Gif, 320,
                     240);
}

TEST(GifHeader, ScreenOutsideTheLimitsIsRejected) {
    EXPECT_EQ(VerdictOf(MakeGif(65535, 65535, {})), HeaderVerdict::TooLarge);
    EXPECT_EQ(VerdictOf(MakeGif(0, 10, {})), HeaderVerdict::ZeroSize);
}

TEST(GifHeader, LaterFrameBeyondTheLimitIsTooLarge) {
    const Bytes gif = MakeGif(100, 100, {{0, 0, 100, 100}, {0, 0, 40000, 10}});
    const HeaderCheckResult result = Check(gif);
    EXPECT_EQ(result.verdict, HeaderVerdict::TooLarge);
    EXPECT_EQ(result.width, 100u);
    EXPECT_EQ(result.height, 100u);
}

TEST(GifHeader, FrameExtentCountsItsOffset) {
    EXPECT_EQ(VerdictOf(MakeGif(10, 10, {{32000, 0, 767, 1}})), HeaderVerdict::Acceptable);
    EXPECT_EQ(VerdictOf(MakeGif(10, 10, {{32000, 0, 768, 1}})), HeaderVerdict::TooLarge);
    EXPECT_EQ(VerdictOf(MakeGif(10, 10, {{0, 1, 16384, 16384}})), HeaderVerdict::TooLarge);
}

Bytes WithoutTrailer(Bytes gif) {
    gif.pop_back();
    return gif;
}

TEST(GifHeader, LocalColourTableAndSubBlocksAreSkipped) {
    Bytes gif = WithoutTrailer(MakeGif(10, 10, {}));
    // Colour bytes that would read as a trailer if the table were not skipped.
    gif.insert(gif.end(), {0x2C, 0, 0, 0, 0, 10, 0, 10, 0, 0x81});
    gif = Join(gif, Bytes(12, 0x3B));
    gif.insert(gif.end(), {2, 3, 0x3B, 0x3B, 0x3B, 1, 0x3B, 0});
    gif.insert(gif.end(), {0x21, 0xFE, 2, 0x3B, 0x3B, 0});
    const Bytes bigFrame = MakeGif(10, 10, {{0, 0, 40000, 1}});
    gif.insert(gif.end(), bigFrame.begin() + 13 + 6, bigFrame.end()); // past the colour table
    EXPECT_EQ(VerdictOf(gif), HeaderVerdict::TooLarge);
}

TEST(GifHeader, MissingTrailerEndsTheWalk) {
    EXPECT_EQ(VerdictOf(WithoutTrailer(MakeGif(10, 10, {{0, 0, 10, 10}}))),
              HeaderVerdict::Acceptable);
}

TEST(GifHeader, UnknownBlockIsMalformed) {
    Bytes gif = MakeGif(10, 10, {{0, 0, 10, 10}});
    gif.back() = 0x99;
    EXPECT_EQ(VerdictOf(gif), HeaderVerdict::Malformed);
}

Bytes GifWithBlocks(const Bytes& blocks) {
    return Join(Join(WithoutTrailer(MakeGif(10, 10, {})), blocks), {0x3B});
}

TEST(GifHeader, WalkIsCappedInBlocks) {
    const Bytes emptyComment{0x21, 0xFE, 0};
    EXPECT_EQ(VerdictOf(GifWithBlocks(Repeat(emptyComment, 1000))), HeaderVerdict::Acceptable);
    EXPECT_EQ(VerdictOf(GifWithBlocks(Repeat(emptyComment, imaging::kMaxGifBlocks))),
              HeaderVerdict::TooLarge);
}

// A comment extension of one-byte sub-blocks, built in place: sanitised builds make Repeat slow.
Bytes CommentOfSubBlocks(size_t count) {
    Bytes out{0x21, 0xFE};
    out.resize(2 + 2 * count, 'x');
    for (size_t i = 2; i < out.size(); i += 2) {
        out[i] = 1;
    }
    out.push_back(0);
    return out;
}

TEST(GifHeader, WalkIsCappedInSubBlocks) {
    const size_t cap = imaging::kMaxGifSubBlocks;
    EXPECT_EQ(VerdictOf(GifWithBlocks(CommentOfSubBlocks(cap))), HeaderVerdict::Acceptable);
    EXPECT_EQ(VerdictOf(GifWithBlocks(CommentOfSubBlocks(cap + 1))), HeaderVerdict::TooLarge);
}

// TIFF: the first IFD sits at offset 8 and its entry count is the 16-bit value there.

struct TiffCase {
    bool bigEndian;
    uint16_t type;
};

class TiffHeader : public ::testing::TestWithParam<TiffCase> {};

TEST_P(TiffHeader, ImageWidthAndLengthGiveDeclaredSize) {
    const TiffCase c = GetParam();
    ExpectAcceptable(MakeTiff(c.bigEndian, 640, 480, c.type), ImageFormat::Tiff, 640, 480);
    ExpectAcceptable(MakeTiff(c.bigEndian, 0x0102, 0x0304, c.type), ImageFormat::Tiff, 0x0102,
                     0x0304);
}

TEST_P(TiffHeader, ZeroOrHugeSizeIsRejected) {
    const TiffCase c = GetParam();
    EXPECT_EQ(VerdictOf(MakeTiff(c.bigEndian, 0, 480, c.type)), HeaderVerdict::ZeroSize);
    EXPECT_EQ(VerdictOf(MakeTiff(c.bigEndian, 65535, 65535, c.type)), HeaderVerdict::TooLarge);
}

INSTANTIATE_TEST_SUITE_P(ByteOrdersAndTypes, TiffHeader,
                         ::testing::Values(TiffCase{false, kTiffShort}, TiffCase{false, kTiffLong},
                                           TiffCase{true, kTiffShort}, TiffCase{true, kTiffLong}));

TEST(TiffHeaderLimits, LongValuesBeyondSixteenBitsAreRead) {
    EXPECT_EQ(Check(MakeTiff(true, 100000, 1, kTiffLong)).width, 100000u);
    EXPECT_EQ(VerdictOf(MakeTiff(false, 100000, 1, kTiffLong)), HeaderVerdict::TooLarge);
}

TEST(TiffHeaderLayout, IfdOffsetOutsideTheFileIsMalformed) {
    Bytes tiff = MakeTiff(false, 640, 480, kTiffShort);
    WriteLe32(tiff, 4, static_cast<uint32_t>(tiff.size()));
    EXPECT_EQ(VerdictOf(tiff), HeaderVerdict::Malformed);
    WriteLe32(tiff, 4, 0xFFFFFFFFu);
    EXPECT_EQ(VerdictOf(tiff), HeaderVerdict::Malformed);
    WriteLe32(tiff, 4, 2);
    EXPECT_EQ(VerdictOf(tiff), HeaderVerdict::Malformed);
}

TEST(TiffHeaderLayout, IfdOverlappingTheHeaderIsMalformed) {
    // At offset 4 the entry count is the offset's own low half, 4, and the entries start at 6:
    // the first is junk, the other three valid.
    Bytes tiff{'I', 'I', 42, 0, 4, 0, 0, 0};
    tiff.resize(6 + 12, 0);
    for (const TiffEntry& entry :
         {TiffEntry{256, kTiffShort, 1, 64}, TiffEntry{257, kTiffShort, 1, 32},
          TiffEntry{258, kTiffShort, 1, 8}}) {
        AppendTiffEntry(tiff, entry, false);
    }
    AppendLe32(tiff, 0);
    EXPECT_EQ(VerdictOf(tiff), HeaderVerdict::Malformed);
}

TEST(TiffHeaderLayout, EntriesRunningPastTheEndAreMalformed) {
    Bytes tiff = MakeTiff(false, 640, 480, kTiffShort);
    WriteLe16(tiff, 8, 10); // one entry more than the nine written
    EXPECT_EQ(VerdictOf(tiff), HeaderVerdict::Malformed);
    WriteLe16(tiff, 8, 0xFFFF);
    EXPECT_EQ(VerdictOf(tiff), HeaderVerdict::Malformed);
}

TEST(TiffHeaderLayout, UnusableDimensionEntriesAreMalformed) {
    const TiffEntry length{257, kTiffShort, 1, 480};
    const std::vector<std::vector<TiffEntry>> cases = {
        {length},
        {{256, kTiffByte, 1, 64}, length},
        {{256, kTiffShort, 2, 64}, length},
        {{256, kTiffShort, 1, 64}, {256, kTiffLong, 1, 65535}, length},
    };
    for (const auto& entries : cases) {
        EXPECT_EQ(VerdictOf(MakeTiffWithEntries(false, entries)), HeaderVerdict::Malformed);
    }
    EXPECT_EQ(VerdictOf(MakeTiffWithEntries(false, {{256, kTiffShort, 1, 64}, length})),
              HeaderVerdict::Acceptable);
}

TEST(TiffHeaderLayout, BigTiffIsUnrecognised) {
    Bytes tiff = MakeTiff(false, 640, 480, kTiffShort);
    tiff[2] = 43;
    EXPECT_EQ(VerdictOf(tiff), HeaderVerdict::Unrecognised);
}

// Limits, the same for every format

using Builder = Bytes (*)(uint32_t width, uint32_t height);

struct LimitCase {
    uint32_t width;
    uint32_t height;
    HeaderVerdict verdict;
};

const LimitCase kLimitCases[] = {
    {32767, 8192, HeaderVerdict::Acceptable},  {8192, 32767, HeaderVerdict::Acceptable},
    {16384, 16384, HeaderVerdict::Acceptable}, {32768, 1, HeaderVerdict::TooLarge},
    {1, 32768, HeaderVerdict::TooLarge},       {16384, 16385, HeaderVerdict::TooLarge},
    {16385, 16384, HeaderVerdict::TooLarge},   {32767, 8193, HeaderVerdict::TooLarge},
};

Bytes BmpOf(uint32_t w, uint32_t h) {
    return MakeBmp(static_cast<int32_t>(w), static_cast<int32_t>(h));
}
Bytes JpegOf(uint32_t w, uint32_t h) {
    return MakeJpeg(static_cast<uint16_t>(w), static_cast<uint16_t>(h));
}
Bytes GifOf(uint32_t w, uint32_t h) {
    return MakeGif(static_cast<uint16_t>(w), static_cast<uint16_t>(h), {});
}
Bytes TiffOf(uint32_t w, uint32_t h) {
    return MakeTiff(false, w, h, kTiffLong);
}

class HeaderSizeLimits : public ::testing::TestWithParam<Builder> {};

TEST_P(HeaderSizeLimits, HoldJustAtTheLimitAndRejectOnePast) {
    for (const LimitCase& c : kLimitCases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        const HeaderCheckResult result = Check(GetParam()(c.width, c.height));
        EXPECT_EQ(result.verdict, c.verdict);
        EXPECT_EQ(result.width, c.width);
        EXPECT_EQ(result.height, c.height);
    }
}

INSTANTIATE_TEST_SUITE_P(AllFormats, HeaderSizeLimits,
                         ::testing::Values(&BmpOf, &JpegOf, &MakePng, &GifOf, &TiffOf));

// Truncation: every prefix shorter than the header must be refused, every longer one accepted.

struct TruncationCase {
    const char* name;
    Bytes bytes;
    size_t headerLength;
};

size_t EndOfJpegFrameHeader(const Bytes& jpeg) {
    const uint8_t sof0[] = {0xFF, 0xC0};
    const auto sof = std::search(jpeg.begin(), jpeg.end(), std::begin(sof0), std::end(sof0));
    return static_cast<size_t>(sof - jpeg.begin()) + 2 + 17; // marker, then 17 bytes for 3 parts
}

// Many writers put the IFD after the pixels; this one moves it to the given offset.
Bytes TiffWithIfdAt(uint32_t ifd) {
    const Bytes tiff = MakeTiff(false, 64, 32, kTiffShort);
    Bytes out(tiff.begin(), tiff.begin() + 8);
    WriteLe32(out, 4, ifd);
    out.resize(ifd, 0x55);
    out.insert(out.end(), tiff.begin() + 8, tiff.end());
    return out;
}

std::vector<TruncationCase> TruncationCases() {
    const Bytes jpeg = MakeJpeg(640, 480, JpegSegment(0xE1, Bytes(5000, 0x20)));
    return {
        {"bmp", MakeBmp(64, 32), 54 + 1}, // the pixel offset must lie inside the file
        {"core bmp", MakeCoreBmp(64, 32), 26 + 1},
        {"jpeg", jpeg, EndOfJpegFrameHeader(jpeg)},
        {"png", MakePng(64, 32), 8 + 25},
        {"gif", MakeGif(64, 32, {{0, 0, 64, 32}}), 13},
        {"tiff", MakeTiff(false, 64, 32, kTiffShort), 8 + 2 + 9 * 12},
        {"big-endian tiff", MakeTiff(true, 64, 32, kTiffLong), 8 + 2 + 9 * 12},
        {"tiff with late ifd", TiffWithIfdAt(300), 300 + 2 + 9 * 12},
    };
}

TEST(HeaderTruncation, AcceptedExactlyWhenTheWholeHeaderIsPresent) {
    for (const TruncationCase& c : TruncationCases()) {
        for (size_t length = 0; length <= c.bytes.size(); ++length) {
            const Bytes prefix(c.bytes.begin(), c.bytes.begin() + length);
            const bool acceptable = VerdictOf(prefix) == HeaderVerdict::Acceptable;
            ASSERT_EQ(acceptable, length >= c.headerLength) << c.name << " cut at " << length;
        }
    }
}

// Unknown content

TEST(HeaderSignature, UnknownContentIsUnrecognised) {
    using namespace std::string_literals;
    for (const std::string& text :
         {""s, "B"s, "GIF88a-----------"s, "RIFF\x10\0\0\0WEBPVP8 "s, "MM\0+\0\x08\0\0"s}) {
        const HeaderCheckResult result = Check(Bytes(text.begin(), text.end()));
        EXPECT_EQ(result.verdict, HeaderVerdict::Unrecognised) << text;
        EXPECT_EQ(result.format, ImageFormat::Unknown) << text;
    }
}

TEST(HeaderSignature, SignatureAloneIsMalformed) {
    for (const Bytes& bytes : {Bytes{'B', 'M'}, Bytes{0xFF, 0xD8}, PngSignature(),
                               Bytes{'G', 'I', 'F', '8', '9', 'a'}, Bytes{'I', 'I', 42, 0}}) {
        EXPECT_EQ(VerdictOf(bytes), HeaderVerdict::Malformed);
    }
}

// Sources that read less than asked for

// Returns at most maxPerCall bytes per call and nothing from visibleEnd on, yet fills the rest of
// each request with the file's bytes or with poison: a checker that looked past the count returned
// would answer differently for the two.
class StingySource : public imaging::ByteSource {
  public:
    StingySource(const Bytes& bytes, size_t maxPerCall, uint64_t visibleEnd, bool poison)
        : bytes_(bytes), maxPerCall_(maxPerCall), visibleEnd_(visibleEnd), poison_(poison) {}

    uint64_t Size() const override { return bytes_.size(); }

    size_t ReadAt(uint64_t offset, void* dst, size_t len) const override {
        if (offset >= bytes_.size()) {
            return 0;
        }
        const size_t copied = std::min<size_t>(len, bytes_.size() - offset);
        const uint64_t visible = offset < visibleEnd_ ? visibleEnd_ - offset : 0;
        const auto returned =
            static_cast<size_t>(std::min<uint64_t>({copied, maxPerCall_, visible}));
        auto* out = static_cast<uint8_t*>(dst);
        std::memcpy(out, bytes_.data() + offset, copied);
        if (poison_) {
            std::memset(out + returned, 0xA5, copied - returned);
        }
        return returned;
    }

  private:
    const Bytes& bytes_;
    size_t maxPerCall_;
    uint64_t visibleEnd_;
    bool poison_;
};

TEST(HeaderShortReads, SmallReadsAreCombined) {
    for (const TruncationCase& c : TruncationCases()) {
        const StingySource source(c.bytes, 3, c.bytes.size(), true);
        EXPECT_EQ(imaging::CheckImageHeader(source).verdict, HeaderVerdict::Acceptable) << c.name;
    }
}

TEST(HeaderShortReads, BytesBeyondTheCountReturnedAreNotUsed) {
    for (const TruncationCase& c : TruncationCases()) {
        for (size_t visible = 0; visible < c.bytes.size(); ++visible) {
            const StingySource honest(c.bytes, SIZE_MAX, visible, true);
            const StingySource leaky(c.bytes, SIZE_MAX, visible, false);
            ASSERT_EQ(imaging::CheckImageHeader(honest).verdict,
                      imaging::CheckImageHeader(leaky).verdict)
                << c.name << " visible up to " << visible;
        }
    }
}

// Serves bytes past the size it reports, like a file that grew after its size was taken.
class UnderstatedSource : public imaging::ByteSource {
  public:
    UnderstatedSource(const Bytes& bytes, uint64_t reportedSize)
        : memory_(bytes.data(), bytes.size()), reportedSize_(reportedSize) {}

    uint64_t Size() const override { return reportedSize_; }
    size_t ReadAt(uint64_t offset, void* dst, size_t len) const override {
        return memory_.ReadAt(offset, dst, len);
    }

  private:
    imaging::MemoryByteSource memory_;
    uint64_t reportedSize_;
};

TEST(HeaderShortReads, NothingPastTheReportedSizeIsUsed) {
    for (const TruncationCase& c : TruncationCases()) {
        for (size_t size = 0; size < c.bytes.size(); ++size) {
            const Bytes prefix(c.bytes.begin(), c.bytes.begin() + size);
            ASSERT_EQ(imaging::CheckImageHeader(UnderstatedSource(c.bytes, size)).verdict,
                      VerdictOf(prefix))
                << c.name << " reported as " << size << " bytes";
        }
    }
}

// The committed corpus of files the viewer must refuse

std::filesystem::path CorpusFolder() {
    return std::filesystem::path(STILLVIEW_SOURCE_DIR) / "tests" / "corpus" / "malformed";
}

Bytes ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

TEST(MalformedCorpus, EachFileGetsTheVerdictItWasMadeFor) {
    const std::map<std::string, HeaderVerdict> expected = {
        {"jpeg-65500x65500.jpg", HeaderVerdict::TooLarge},
        {"jpeg-40000x100.jpg", HeaderVerdict::TooLarge},
        {"jpeg-0x480.jpg", HeaderVerdict::ZeroSize},
        {"jpeg-cut-after-soi.jpg", HeaderVerdict::Malformed},
        {"bmp-pixel-offset-past-end.bmp", HeaderVerdict::Malformed},
        {"bmp-width-0.bmp", HeaderVerdict::ZeroSize},
        {"bmp-70000x70000-truncated.bmp", HeaderVerdict::TooLarge},
        {"png-100000x1.png", HeaderVerdict::TooLarge},
        {"gif-65535x65535.gif", HeaderVerdict::TooLarge},
        {"tiff-65535x65535.tif", HeaderVerdict::TooLarge},
        {"empty.bin", HeaderVerdict::Unrecognised},
        {"noise-4k.bin", HeaderVerdict::Unrecognised},
        {"text.txt", HeaderVerdict::Unrecognised},
    };
    size_t seen = 0;
    for (const auto& entry : std::filesystem::directory_iterator(CorpusFolder())) {
        const std::string name = entry.path().filename().string();
        const auto wanted = expected.find(name);
        ASSERT_NE(wanted, expected.end()) << "unexpected corpus file " << name;
        EXPECT_EQ(VerdictOf(ReadFile(entry.path())), wanted->second) << name;
        ++seen;
    }
    EXPECT_EQ(seen, expected.size());
}

TEST(MalformedCorpus, HugeJpegLooksLikeTheOneThatCrashedTheImagingLibrary) {
    const Bytes jpeg = ReadFile(CorpusFolder() / "jpeg-65500x65500.jpg");
    EXPECT_GE(jpeg.size(), 1400u);
    EXPECT_LE(jpeg.size(), 1700u);
    const HeaderCheckResult result = Check(jpeg);
    EXPECT_EQ(result.width, 65500u);
    EXPECT_EQ(result.height, 65500u);
}

} // namespace
