#include "still_export.h"

#include "gdiplus_drawing.h"
#include "gdiplus_image.h"
#include "jpeg_comment.h"
#include "jpeg_encoder.h"

#include <memory>

using Gdiplus::Ok;

namespace {

// Draws the recorded source rectangle over the whole picture with the recorded gamma and
// interpolation. The draw reads from an untouched copy, since it overwrites what it reads.
bool RenderView(GdiplusImage& picture, const ExportRecord& record) {
    std::unique_ptr<GdiplusImage> source(picture.Clone());
    int width = static_cast<int>(picture.Width());
    int height = static_cast<int>(picture.Height());
    GammaAttributes attributes(record.gamma);
    GdiplusGraphics graphics(picture);
    if (graphics.Native() == nullptr) {
        return false;
    }
    graphics.SetInterpolationMode(record.interpolation);
    const PixelRect& view = record.view;
    RECT whole = {0, 0, width, height};
    RECT shown = {view.x, view.y, view.x + view.width, view.y + view.height};
    return graphics.DrawImage(*source, whole, shown, attributes.Native()) == Ok;
}

// The record's segments, between the JFIF header and the image data.
bool AddRecordSegments(const std::string& encoded, const ExportRecord& record, std::string* jpeg) {
    return InsertJpegComment(encoded, ProvenanceText(record), jpeg);
}

} // namespace

bool ExportStill(GdiplusImage& working, const ExportRecord& record, const std::wstring& tempPath,
                 std::string* jpeg) {
    CLSID encoder;
    if (FindEncoderByMimeType(L"image/jpeg", &encoder) < 0) {
        return false;
    }
    JpegQualityParameters quality(static_cast<ULONG>(record.jpegQuality));
    std::unique_ptr<GdiplusImage> clone(working.Clone());
    if (clone->SaveToFile(tempPath.c_str(), encoder, quality.Get()) != Ok) {
        return false;
    }
    std::unique_ptr<GdiplusImage> picture(GdiplusImage::FromFile(tempPath.c_str()));
    if (picture->Native() == nullptr || !RenderView(*picture, record)) {
        return false;
    }
    std::string encoded;
    return picture->SaveToMemory(encoder, quality.Get(), &encoded) == Ok &&
           AddRecordSegments(encoded, record, jpeg);
}
