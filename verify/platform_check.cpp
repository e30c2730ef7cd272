#include "platform_check.h"

#include "encoded_tables.h"
#include "gdiplus_drawing.h"
#include "gdiplus_image.h"
#include "jpeg_encoder.h"
#include "picture_load.h"
#include "program_version.h"
#include "quality_levels.h"
#include "scratch_file.h"
#include "still_check.h"
#include "still_export.h"
#include "utf8_text.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

using namespace Gdiplus;

namespace {

using Colour = std::function<std::uint32_t(int x, int y)>;

// A bitmap of the imaging library's own, made as the program makes new bitmaps.
std::unique_ptr<GdiplusImage> NewPicture(int width, int height, const Colour& colour) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels[static_cast<std::size_t>(y) * width + x] = 0xFF000000u | colour(x, y);
        }
    }
    GpBitmap* borrowing = nullptr;
    DllExports::GdipCreateBitmapFromScan0(width, height, width * 4, PixelFormat32bppRGB,
                                          reinterpret_cast<BYTE*>(pixels.data()), &borrowing);
    // The copy owns its pixels; the one made over ours goes before they do.
    GdiplusImage over(borrowing);
    return std::unique_ptr<GdiplusImage>(over.Clone());
}

// A JPEG at the quality every still is asked for, or a BMP.
std::string Encoded(GdiplusImage& picture, const wchar_t* mimeType) {
    CLSID encoder;
    JpegQualityParameters quality;
    bool jpeg = std::wstring(mimeType) == L"image/jpeg";
    std::string bytes;
    if (FindEncoderByMimeType(mimeType, &encoder) < 0 ||
        picture.SaveToMemory(encoder, jpeg ? quality.Get() : nullptr, &bytes) != Ok) {
        bytes.clear();
    }
    return bytes;
}

std::uint32_t Gradient(int x, int y) {
    return static_cast<std::uint32_t>(((x * 5) & 0xFF) << 16 | ((y * 3) & 0xFF) << 8 | 0x40);
}

std::uint32_t Checker(int x, int y) {
    return (x + y) % 2 == 0 ? 0xFFFFFFu : 0x203040u;
}

// An 8 x 6 checker board enlarged eightfold in each quality of the list, as BMP bytes.
bool InterpolationsDiffer() {
    std::unique_ptr<GdiplusImage> board = NewPicture(8, 6, &Checker);
    std::vector<std::string> drawn;
    for (const QualityLevel& level : kQualityLevels) {
        if (level.name == nullptr) {
            continue;
        }
        std::unique_ptr<GdiplusImage> target = NewPicture(64, 48, &Checker);
        GammaAttributes attributes(1.0f);
        {
            GdiplusGraphics graphics(*target);
            graphics.SetInterpolationMode(level.interpolation);
            graphics.DrawImage(*board, RECT{0, 0, 64, 48}, RECT{0, 0, 8, 6}, attributes.Native());
        }
        drawn.push_back(Encoded(*target, L"image/bmp"));
    }
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        for (std::size_t j = i + 1; j < drawn.size(); ++j) {
            if (drawn[i].empty() || drawn[i] == drawn[j]) {
                return false;
            }
        }
    }
    return true;
}

// A blue picture whose EXIF holds a red thumbnail: is the reduction red?
bool EmbeddedThumbnailReturned() {
    std::unique_ptr<GdiplusImage> blue = NewPicture(320, 240, [](int, int) { return 0x0000FFu; });
    std::unique_ptr<GdiplusImage> red = NewPicture(160, 120, [](int, int) { return 0xFF0000u; });
    std::string picture = Encoded(*blue, L"image/jpeg");
    std::string thumbnail = Encoded(*red, L"image/jpeg");
    ScratchFile file;
    if (picture.size() < 2 || thumbnail.empty() ||
        !WriteWholeFile(file.Path(),
                        picture.substr(0, 2) + ExifWithThumbnail(thumbnail) + picture.substr(2))) {
        return false;
    }
    std::unique_ptr<GdiplusImage> loaded(GdiplusImage::FromFile(file.Path().c_str()));
    std::unique_ptr<GdiplusImage> reduced(loaded->Thumbnail(64, 48));
    ARGB pixel = 0;
    if (reduced->Native() == nullptr ||
        DllExports::GdipBitmapGetPixel(reinterpret_cast<GpBitmap*>(reduced->Native()), 32, 24,
                                       &pixel) != Ok) {
        return false;
    }
    return ((pixel >> 16) & 0xFF) > (pixel & 0xFF);
}

// A still of a made-up source, made as the Save command makes one and checked as StillVerify
// checks one.
std::string VerdictOnAStillMadeHere(bool* verified) {
    ScratchFile source;
    ScratchFile still;
    ScratchFile temporary;
    ScratchFile check;
    std::unique_ptr<GdiplusImage> original = NewPicture(1280, 960, &Gradient);
    std::string bmp = Encoded(*original, L"image/bmp");
    if (bmp.empty() || !WriteWholeFile(source.Path(), bmp)) {
        return "no source picture could be made";
    }
    PictureDigest digest;
    LoadedPicture loaded = LoadPictureFile(source.Path(), &digest);
    std::unique_ptr<GdiplusImage> working(loaded.working);
    ExportRecord record;
    record.program = ProgramNameAndVersion();
    record.sourcePath = Utf8(source.Path());
    record.sourceBytes = digest.bytes;
    record.sourceSha256 = digest.sha256;
    record.sourceWidth = loaded.sourceWidth;
    record.sourceHeight = loaded.sourceHeight;
    record.workingWidth = static_cast<int>(working->Width());
    record.workingHeight = static_cast<int>(working->Height());
    record.view = {0, 0, record.workingWidth, record.workingHeight};
    record.interpolation = DefaultInterpolation();
    record.imagingLibrary = ImagingLibraryVersion();
    record.exportedAt = "2000-01-01T00:00:00+00:00";
    std::string jpeg;
    if (!ExportStill(*working, record, temporary.Path(), &jpeg) ||
        !WriteWholeFile(still.Path(), jpeg)) {
        return "no still could be made";
    }
    Verification v = CheckStill(still.Path(), source.Path(), check.Path());
    *verified = v.Outcome() == Verdict::Verified;
    return VerdictLine(v);
}

} // namespace

PlatformFindings CheckPlatform() {
    PlatformFindings f;
    f.imagingLibrary = ImagingLibraryVersion();
    std::unique_ptr<GdiplusImage> picture = NewPicture(64, 48, &Gradient);
    std::string jpeg = Encoded(*picture, L"image/jpeg");
    EncodedTables tables;
    if (ReadEncodedTables(jpeg, &tables)) {
        f.qualityAt100 = tables.quality;
    }
    ReadJfifDensity(jpeg, &f.densityX, &f.densityY);
    f.interpolationsDiffer = InterpolationsDiffer();
    f.embeddedThumbnailReturned = EmbeddedThumbnailReturned();
    f.stillVerdict = VerdictOnAStillMadeHere(&f.stillVerifies);
    return f;
}
