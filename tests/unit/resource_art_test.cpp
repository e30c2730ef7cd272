// Checks the committed pictures against what the generator draws, and checks the properties the
// program relies on by decoding the files here, independently of the generator's writers.

#include "art/resource_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

struct Colour {
    int r;
    int g;
    int b;
    bool operator==(const Colour& o) const { return r == o.r && g == o.g && b == o.b; }
};

constexpr Colour kMagenta{255, 0, 255};
constexpr Colour kBlack{0, 0, 0};
constexpr Colour kWhite{255, 255, 255};
constexpr uint32_t kInfoHeaderSize = 40;

Bytes readRepoFile(const std::string& relative) {
    std::ifstream in(std::string(STILLVIEW_SOURCE_DIR) + "/" + relative, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot open " + relative);
    }
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint32_t u16At(const Bytes& data, size_t at) {
    if (at + 2 > data.size()) {
        throw std::out_of_range("read past the end of the file");
    }
    return data[at] | data[at + 1] << 8;
}

uint32_t u32At(const Bytes& data, size_t at) {
    return u16At(data, at) | u16At(data, at + 2) << 16;
}

int32_t i32At(const Bytes& data, size_t at) {
    return static_cast<int32_t>(u32At(data, at));
}

size_t stride(int width, int bitsPerPixel) {
    return static_cast<size_t>((width * bitsPerPixel + 31) / 32) * 4;
}

// Pixels narrower than a byte are packed from the most significant bit.
int packedValue(const Bytes& data, size_t rowStart, int x, int bitsPerPixel) {
    const size_t bit = static_cast<size_t>(x) * bitsPerPixel;
    const int byte = data.at(rowStart + bit / 8);
    return (byte >> (8 - bitsPerPixel - bit % 8)) & ((1 << bitsPerPixel) - 1);
}

int luma(Colour c) {
    return (c.r * 299 + c.g * 587 + c.b * 114) / 1000;
}

// A decoded BITMAPINFOHEADER image; pixel rows are top-down here whatever the file's order.
struct Image {
    int width = 0;
    int storedHeight = 0;
    int bitsPerPixel = 0;
    std::vector<Colour> palette;
    std::vector<Colour> pixels;
    std::vector<bool> transparent;

    int height() const { return static_cast<int>(pixels.size()) / width; }
    Colour at(int x, int y) const { return pixels.at(static_cast<size_t>(y) * width + x); }
    bool clear(int x, int y) const { return transparent.at(static_cast<size_t>(y) * width + x); }
};

Image readInfoHeader(const Bytes& data, size_t at) {
    if (u32At(data, at) != kInfoHeaderSize || u16At(data, at + 12) != 1 ||
        u32At(data, at + 16) != 0) {
        throw std::runtime_error("not an uncompressed single-plane BITMAPINFOHEADER image");
    }
    Image image;
    image.width = i32At(data, at + 4);
    image.storedHeight = i32At(data, at + 8);
    image.bitsPerPixel = static_cast<int>(u16At(data, at + 14));
    const uint32_t used = u32At(data, at + 32);
    const uint32_t entries = used != 0 || image.bitsPerPixel > 8 ? used : 1u << image.bitsPerPixel;
    for (uint32_t i = 0; i < entries; ++i) {
        const size_t entry = at + kInfoHeaderSize + 4 * i;
        image.palette.push_back({data.at(entry + 2), data.at(entry + 1), data.at(entry)});
    }
    return image;
}

Colour pixelAt(const Image& image, const Bytes& data, size_t rowStart, int x) {
    if (image.bitsPerPixel == 24) {
        const size_t at = rowStart + 3 * static_cast<size_t>(x);
        return {data.at(at + 2), data.at(at + 1), data.at(at)};
    }
    return image.palette.at(packedValue(data, rowStart, x, image.bitsPerPixel));
}

void readPixels(Image& image, const Bytes& data, size_t bitsAt, int height) {
    const size_t rowBytes = stride(image.width, image.bitsPerPixel);
    for (int y = 0; y < height; ++y) {
        const size_t rowStart = bitsAt + (height - 1 - y) * rowBytes;
        for (int x = 0; x < image.width; ++x) {
            image.pixels.push_back(pixelAt(image, data, rowStart, x));
        }
    }
}

void readMask(Image& image, const Bytes& data, size_t maskAt, int height) {
    const size_t rowBytes = stride(image.width, 1);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            image.transparent.push_back(
                packedValue(data, maskAt + (height - 1 - y) * rowBytes, x, 1));
        }
    }
}

Image decodeBmp(const Bytes& file) {
    if (file.size() < 14 || file[0] != 'B' || file[1] != 'M' || u32At(file, 2) != file.size()) {
        throw std::runtime_error("not a BMP file");
    }
    Image image = readInfoHeader(file, 14);
    readPixels(image, file, u32At(file, 10), image.storedHeight);
    return image;
}

struct DirectoryEntry {
    int width;
    int height;
    int colourCount;
    int first;
    int second;
    uint32_t bytes;
    uint32_t offset;
};

struct Directory {
    int type;
    std::vector<DirectoryEntry> entries;
};

Directory decodeDirectory(const Bytes& file) {
    if (u16At(file, 0) != 0) {
        throw std::runtime_error("not an icon or cursor file");
    }
    Directory directory{static_cast<int>(u16At(file, 2)), {}};
    for (uint32_t i = 0; i < u16At(file, 4); ++i) {
        const size_t at = 6 + 16 * i;
        directory.entries.push_back(
            {file.at(at), file.at(at + 1), file.at(at + 2), static_cast<int>(u16At(file, at + 4)),
             static_cast<int>(u16At(file, at + 6)), u32At(file, at + 8), u32At(file, at + 12)});
    }
    return directory;
}

// The stored height counts the XOR rows and the AND-mask rows together.
Image decodeIconImage(const Bytes& file, const DirectoryEntry& entry) {
    if (entry.offset + entry.bytes > file.size()) {
        throw std::runtime_error("image lies beyond the end of the file");
    }
    Image image = readInfoHeader(file, entry.offset);
    const int height = image.storedHeight / 2;
    const size_t bitsAt = entry.offset + kInfoHeaderSize + 4 * image.palette.size();
    readPixels(image, file, bitsAt, height);
    readMask(image, file, bitsAt + stride(image.width, image.bitsPerPixel) * height, height);
    return image;
}

// ---- Generated files ------------------------------------------------------------------------

TEST(ResourceArt, GeneratesExactlyTheFilesTheResourceScriptUses) {
    std::vector<std::string> expected = {"res/icon_128.ico", "res/sample/b-320b.bmp"};
    for (int id :
         {213, 214, 216, 217, 218, 219, 220, 221, 222, 223, 224, 225, 226, 227, 228, 229}) {
        for (const char* suffix : {"", "_150", "_200"}) {
            expected.push_back("res/bitmaps/face_" + std::to_string(id) + suffix + ".bmp");
        }
    }
    for (int id : {250, 251, 252, 278}) {
        expected.push_back("res/cursors/cursor_" + std::to_string(id) + ".cur");
    }
    std::vector<std::string> generated;
    for (const art::ResourceFile& file : art::resourceFiles()) {
        generated.push_back(file.path);
    }
    std::sort(expected.begin(), expected.end());
    std::sort(generated.begin(), generated.end());
    EXPECT_EQ(generated, expected);
}

TEST(ResourceArt, CommittedFilesMatchTheGeneratorByteForByte) {
    for (const art::ResourceFile& file : art::resourceFiles()) {
        SCOPED_TRACE(file.path);
        EXPECT_TRUE(file.make() == readRepoFile(file.path));
    }
}

// ---- Button faces ---------------------------------------------------------------------------

const int kFaceIds[] = {213, 214, 216, 217, 218, 219, 220, 221,
                        222, 223, 224, 225, 226, 227, 228, 229};
const int kUpFaceIds[] = {213, 216, 218, 220, 222, 224, 226, 228};
constexpr int kFaceSide = 50;
constexpr int kInkLuma = 80;

Image face(int id) {
    return decodeBmp(readRepoFile("res/bitmaps/face_" + std::to_string(id) + ".bmp"));
}

std::vector<bool> inkMask(const Image& image) {
    std::vector<bool> mask;
    for (const Colour& c : image.pixels) {
        mask.push_back(luma(c) < kInkLuma);
    }
    return mask;
}

class ButtonFace : public testing::TestWithParam<int> {};

TEST_P(ButtonFace, Is50By50BottomUpWithA256ColourPalette) {
    const Image image = face(GetParam());
    EXPECT_EQ(image.width, kFaceSide);
    EXPECT_EQ(image.storedHeight, kFaceSide);
    EXPECT_EQ(image.bitsPerPixel, 8);
    EXPECT_EQ(image.palette.size(), 256u);
}

TEST_P(ButtonFace, HasNoMagentaInPaletteOrPixels) {
    const Image image = face(GetParam());
    EXPECT_EQ(std::count(image.palette.begin(), image.palette.end(), kMagenta), 0);
    EXPECT_EQ(std::count(image.pixels.begin(), image.pixels.end(), kMagenta), 0);
}

TEST_P(ButtonFace, CornersAreTheBackgroundColour) {
    const Image image = face(GetParam());
    const Colour background{214, 212, 203};
    const int last = kFaceSide - 1;
    EXPECT_EQ(image.at(0, 0), background);
    EXPECT_EQ(image.at(last, 0), background);
    EXPECT_EQ(image.at(0, last), background);
    EXPECT_EQ(image.at(last, last), background);
}

TEST_P(ButtonFace, HasADarkSymbolInTheMiddle) {
    const Image image = face(GetParam());
    double sumX = 0;
    double sumY = 0;
    int count = 0;
    for (int y = 0; y < kFaceSide; ++y) {
        for (int x = 0; x < kFaceSide; ++x) {
            if (luma(image.at(x, y)) < kInkLuma) {
                sumX += x;
                sumY += y;
                ++count;
            }
        }
    }
    ASSERT_GT(count, 40);
    const double middle = (kFaceSide - 1) / 2.0;
    EXPECT_NEAR(sumX / count, middle, 4);
    EXPECT_NEAR(sumY / count, middle, 4);
}

INSTANTIATE_TEST_SUITE_P(AllFaces, ButtonFace, testing::ValuesIn(kFaceIds));

class ButtonFacePair : public testing::TestWithParam<int> {};

// Mean brightness of the rim in the top-left quadrant minus that in the bottom-right one.
int rimLightFromTopLeft(const Image& image) {
    int topLeft = 0;
    int bottomRight = 0;
    for (int y = 0; y < kFaceSide; ++y) {
        for (int x = 0; x < kFaceSide; ++x) {
            const double dx = x + 0.5 - kFaceSide / 2.0;
            const double dy = y + 0.5 - kFaceSide / 2.0;
            const double distance = std::hypot(dx, dy);
            if (distance < 20 || distance > 22.5) {
                continue;
            }
            if (dx < -3 && dy < -3) {
                topLeft += luma(image.at(x, y));
            } else if (dx > 3 && dy > 3) {
                bottomRight += luma(image.at(x, y));
            }
        }
    }
    return topLeft - bottomRight;
}

TEST_P(ButtonFacePair, UpFaceIsLitFromTheTopLeft) {
    EXPECT_GT(rimLightFromTopLeft(face(GetParam())), 0);
}

TEST_P(ButtonFacePair, DownFaceIsLitFromTheBottomRight) {
    EXPECT_LT(rimLightFromTopLeft(face(GetParam() + 1)), 0);
}

TEST_P(ButtonFacePair, DownSymbolIsTheUpSymbolMovedOnePixelDownRight) {
    const std::vector<bool> up = inkMask(face(GetParam()));
    const std::vector<bool> down = inkMask(face(GetParam() + 1));
    for (int y = 0; y + 1 < kFaceSide; ++y) {
        for (int x = 0; x + 1 < kFaceSide; ++x) {
            ASSERT_EQ(up[y * kFaceSide + x], down[(y + 1) * kFaceSide + x + 1])
                << "at " << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllPairs, ButtonFacePair, testing::ValuesIn(kUpFaceIds));

// The faces for larger screen scales: the same picture, drawn with more pixels.
class LargerButtonFace : public testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(LargerButtonFace, IsTheSameFaceDrawnLarger) {
    const auto [id, percent] = GetParam();
    const Image small = face(id);
    const Image large = decodeBmp(readRepoFile("res/bitmaps/face_" + std::to_string(id) + "_" +
                                               std::to_string(percent) + ".bmp"));
    const int side = kFaceSide * percent / 100;
    ASSERT_EQ(large.width, side);
    ASSERT_EQ(large.storedHeight, side);
    EXPECT_EQ(large.bitsPerPixel, 8);
    EXPECT_EQ(large.at(0, 0), small.at(0, 0));
    EXPECT_EQ(large.at(side - 1, side - 1), small.at(0, 0));
    // Each pixel of the small face against the large one's pixels at the same place and one
    // pixel round them: the edges of the shapes, smoothed or placed on whole pixels at another
    // size, may move by that much.
    int differing = 0;
    for (int y = 0; y < kFaceSide; ++y) {
        for (int x = 0; x < kFaceSide; ++x) {
            const bool ink = luma(small.at(x, y)) < kInkLuma;
            bool found = false;
            for (int ly = y * percent / 100 - 1; ly <= (y + 1) * percent / 100; ++ly) {
                for (int lx = x * percent / 100 - 1; lx <= (x + 1) * percent / 100; ++lx) {
                    const bool inside = lx >= 0 && ly >= 0 && lx < side && ly < side;
                    found = found || (inside && (luma(large.at(lx, ly)) < kInkLuma) == ink);
                }
            }
            differing += found ? 0 : 1;
        }
    }
    EXPECT_LT(differing, kFaceSide * kFaceSide / 25);
}

INSTANTIATE_TEST_SUITE_P(AllFacesAtBothScales, LargerButtonFace,
                         testing::Combine(testing::ValuesIn(kFaceIds), testing::Values(150, 200)));

TEST(ButtonFaces, EverySymbolIsDifferent) {
    std::vector<std::vector<bool>> symbols;
    for (int id : kUpFaceIds) {
        symbols.push_back(inkMask(face(id)));
    }
    for (size_t i = 0; i < symbols.size(); ++i) {
        for (size_t j = i + 1; j < symbols.size(); ++j) {
            EXPECT_NE(symbols[i], symbols[j]) << kUpFaceIds[i] << " and " << kUpFaceIds[j];
        }
    }
}

// ---- Cursors --------------------------------------------------------------------------------

// A cursor's hot spot in its 32-pixel image; the larger images hold it at the same place of the
// drawing.
struct CursorCase {
    int id;
    int hotX;
    int hotY;
};

std::string cursorPath(int id) {
    return "res/cursors/cursor_" + std::to_string(id) + ".cur";
}

// The sides a screen at 100, 150 and 200 percent takes, so the system never stretches a cursor.
const int kCursorSides[] = {32, 48, 64};

struct CursorImage {
    DirectoryEntry entry;
    Image image;
};

std::vector<CursorImage> decodeCursorImages(int id) {
    const Bytes file = readRepoFile(cursorPath(id));
    std::vector<CursorImage> images;
    for (const DirectoryEntry& entry : decodeDirectory(file).entries) {
        images.push_back({entry, decodeIconImage(file, entry)});
    }
    return images;
}

class Cursor : public testing::TestWithParam<CursorCase> {};

TEST_P(Cursor, HoldsASixteenColourImageForEachScreenScale) {
    const Bytes file = readRepoFile(cursorPath(GetParam().id));
    EXPECT_EQ(decodeDirectory(file).type, 2);
    const std::vector<CursorImage> images = decodeCursorImages(GetParam().id);
    ASSERT_EQ(images.size(), 3u);
    for (size_t i = 0; i < images.size(); ++i) {
        const int side = kCursorSides[i];
        SCOPED_TRACE(side);
        const DirectoryEntry& entry = images[i].entry;
        EXPECT_EQ(entry.width, side);
        EXPECT_EQ(entry.height, side);
        EXPECT_EQ(entry.colourCount, 16);
        EXPECT_EQ(entry.bytes,
                  kInfoHeaderSize + 16 * 4 + side * side / 2 + side * ((side + 31) / 32 * 4));
        EXPECT_EQ(images[i].image.width, side);
        EXPECT_EQ(images[i].image.storedHeight, 2 * side);
        EXPECT_EQ(images[i].image.bitsPerPixel, 4);
    }
    EXPECT_EQ(images[0].entry.first, GetParam().hotX);
    EXPECT_EQ(images[0].entry.second, GetParam().hotY);
}

// At every size the hot spot lies on the drawing, within a pixel of where the 32-pixel image has
// it, scaled.
TEST_P(Cursor, HotSpotIsOnTheDrawingAtTheSamePlaceAtEverySize) {
    for (const CursorImage& cursor : decodeCursorImages(GetParam().id)) {
        SCOPED_TRACE(cursor.entry.width);
        const double scale = cursor.entry.width / 32.0;
        EXPECT_NEAR(cursor.entry.first, (GetParam().hotX + 0.5) * scale, 1.0);
        EXPECT_NEAR(cursor.entry.second, (GetParam().hotY + 0.5) * scale, 1.0);
        EXPECT_FALSE(cursor.image.clear(cursor.entry.first, cursor.entry.second));
    }
}

TEST_P(Cursor, IsBlackAndWhiteOnATransparentBackground) {
    std::vector<int> drawnPixels;
    for (const CursorImage& cursor : decodeCursorImages(GetParam().id)) {
        const Image& image = cursor.image;
        const int side = image.width;
        SCOPED_TRACE(side);
        int black = 0;
        int white = 0;
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                const Colour c = image.at(x, y);
                if (image.clear(x, y)) {
                    ASSERT_EQ(c, kBlack)
                        << "a clear pixel must not change the screen at " << x << "," << y;
                } else {
                    black += c == kBlack;
                    white += c == kWhite;
                }
            }
        }
        const int last = side - 1;
        EXPECT_TRUE(image.clear(0, 0) && image.clear(last, 0) && image.clear(0, last) &&
                    image.clear(last, last));
        EXPECT_GT(black, 0);
        EXPECT_GT(white, 0);
        EXPECT_EQ(black + white,
                  std::count(image.transparent.begin(), image.transparent.end(), false));
        drawnPixels.push_back(black + white);
    }
    // A larger image holds the drawing drawn larger, not the small one in a corner.
    ASSERT_EQ(drawnPixels.size(), 3u);
    for (size_t i = 1; i < drawnPixels.size(); ++i) {
        const double area = kCursorSides[i] * kCursorSides[i] / (32.0 * 32.0);
        EXPECT_NEAR(drawnPixels[i] / area, drawnPixels[0], drawnPixels[0] * 0.2) << kCursorSides[i];
    }
}

INSTANTIATE_TEST_SUITE_P(AllCursors, Cursor,
                         testing::Values(CursorCase{250, 16, 14}, CursorCase{251, 16, 15},
                                         CursorCase{252, 15, 6}, CursorCase{278, 16, 15}));

// Steps from the hot spot past the sign and the white glass to the black rim.
int distanceToRim(const Image& image, int x, int y, int dx, int dy) {
    int steps = 0;
    while (image.at(x, y) == kBlack) {
        x += dx, y += dy, ++steps;
    }
    while (image.at(x, y) == kWhite) {
        x += dx, y += dy, ++steps;
    }
    return steps;
}

class MagnifierCursor : public testing::TestWithParam<CursorCase> {};

TEST_P(MagnifierCursor, HotSpotIsAtTheCentreOfTheLensAtEverySize) {
    for (const CursorImage& cursor : decodeCursorImages(GetParam().id)) {
        SCOPED_TRACE(cursor.entry.width);
        const Image& image = cursor.image;
        const int x = cursor.entry.first;
        const int y = cursor.entry.second;
        const int right = distanceToRim(image, x, y, 1, 0);
        EXPECT_GT(right, 3 * cursor.entry.width / 32);
        EXPECT_EQ(distanceToRim(image, x, y, -1, 0), right);
        EXPECT_EQ(distanceToRim(image, x, y, 0, 1), right);
        EXPECT_EQ(distanceToRim(image, x, y, 0, -1), right);
    }
}

INSTANTIATE_TEST_SUITE_P(ZoomCursors, MagnifierCursor,
                         testing::Values(CursorCase{251, 16, 15}, CursorCase{278, 16, 15}));

// ---- Program icon ---------------------------------------------------------------------------

TEST(AppIcon, HoldsThreeImagesInTheExpectedOrder) {
    const Bytes file = readRepoFile("res/icon_128.ico");
    const Directory directory = decodeDirectory(file);
    EXPECT_EQ(directory.type, 1);
    ASSERT_EQ(directory.entries.size(), 3u);
    const struct {
        int side;
        int colourCount;
        int bitsPerPixel;
    } expected[] = {{32, 16, 4}, {16, 16, 4}, {32, 0, 8}};
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const DirectoryEntry& entry = directory.entries[i];
        EXPECT_EQ(entry.width, expected[i].side);
        EXPECT_EQ(entry.height, expected[i].side);
        EXPECT_EQ(entry.colourCount, expected[i].colourCount);
        EXPECT_EQ(entry.first, 1);
        EXPECT_EQ(entry.second, expected[i].bitsPerPixel);
    }
}

TEST(AppIcon, EachImageHasColourBitsAndAnAndMask) {
    const Bytes file = readRepoFile("res/icon_128.ico");
    for (const DirectoryEntry& entry : decodeDirectory(file).entries) {
        SCOPED_TRACE(entry.width);
        const Image image = decodeIconImage(file, entry);
        EXPECT_EQ(image.width, entry.width);
        EXPECT_EQ(image.storedHeight, 2 * entry.height);
        EXPECT_EQ(image.bitsPerPixel, entry.second);
        EXPECT_EQ(image.palette.size(), 1u << image.bitsPerPixel);
        const size_t side = entry.width;
        EXPECT_EQ(entry.bytes, kInfoHeaderSize + 4 * image.palette.size() +
                                   side * stride(entry.width, image.bitsPerPixel) +
                                   side * stride(entry.width, 1));
        const auto clear = std::count(image.transparent.begin(), image.transparent.end(), true);
        EXPECT_GT(clear, 0);
        EXPECT_LT(clear, static_cast<long>(side * side));
    }
}

TEST(AppIcon, ClearPixelsLeaveTheScreenUnchanged) {
    const Bytes file = readRepoFile("res/icon_128.ico");
    for (const DirectoryEntry& entry : decodeDirectory(file).entries) {
        SCOPED_TRACE(entry.width);
        const Image image = decodeIconImage(file, entry);
        for (size_t i = 0; i < image.pixels.size(); ++i) {
            if (image.transparent[i]) {
                ASSERT_EQ(image.pixels[i], kBlack) << "pixel " << i;
            }
        }
    }
}

// ---- Sample picture -------------------------------------------------------------------------

Image samplePicture() {
    return decodeBmp(readRepoFile("res/sample/b-320b.bmp"));
}

TEST(SamplePicture, Is704By576BottomUpTrueColour) {
    const Image image = samplePicture();
    EXPECT_EQ(image.width, 704);
    EXPECT_EQ(image.storedHeight, 576);
    EXPECT_EQ(image.bitsPerPixel, 24);
}

// A run of grey pixels in one row that never gets darker, from pure black to pure white.
bool rowHasBlackToWhiteRamp(const Image& image, int y) {
    int runStart = -1;
    for (int x = 0; x < image.width; ++x) {
        const Colour c = image.at(x, y);
        const bool grey = c.r == c.g && c.g == c.b;
        const bool continues = runStart >= 0 && grey && c.r >= image.at(x - 1, y).r;
        if (!continues) {
            runStart = c == kBlack ? x : -1;
        } else if (c == kWhite) {
            return x - runStart >= 255;
        }
    }
    return false;
}

TEST(SamplePicture, HasAGreyRampFromPureBlackToPureWhite) {
    const Image image = samplePicture();
    int rampRows = 0;
    for (int y = 0; y < image.height(); ++y) {
        rampRows += rowHasBlackToWhiteRamp(image, y);
    }
    EXPECT_GE(rampRows, 8);
}

TEST(SamplePicture, HasStronglySaturatedColours) {
    const Image image = samplePicture();
    const auto saturated = std::count_if(image.pixels.begin(), image.pixels.end(), [](Colour c) {
        return std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b}) > 150;
    });
    EXPECT_GT(saturated, 1000);
}

} // namespace
