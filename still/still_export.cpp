#include "still_export.h"

#include "gdiplus_drawing.h"
#include "gdiplus_image.h"
#include "encoded_tables.h"
#include "jpeg_encoder.h"
#include "own_bytes.h"
#include "record_segments.h"

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
    if (graphics.Native() == nullptr || graphics.SetInterpolationMode(record.interpolation) != Ok) {
        return false;
    }
    const PixelRect& view = record.view;
    RECT whole = {0, 0, width, height};
    RECT shown = {view.x, view.y, view.x + view.width, view.y + view.height};
    return graphics.DrawImage(*source, whole, shown, attributes.Native()) == Ok;
}

// The encoder's bytes as the rules keep them, and the record stating what they hold. Earlier
// rules kept the encoder's bytes as they came.
bool Finish(const std::string& encoded, const ExportRecord& record, std::string* jpeg,
            StillRules rules) {
    if (rules != StillRules::kWrittenTables) {
        ExportRecord asked = record;
        asked.writtenQuality = 0;
        asked.chromaSubsampling.clear();
        return InsertRecordSegments(encoded, asked, jpeg, rules);
    }
    std::string own;
    EncodedTables tables;
    if (!KeepOwnBytes(encoded, &own) || !ReadEncodedTables(own, &tables)) {
        return false;
    }
    ExportRecord written = record;
    written.writtenQuality = tables.quality;
    written.chromaSubsampling = tables.subsampling;
    return InsertRecordSegments(own, written, jpeg, rules);
}

} // namespace

bool ExportStill(GdiplusImage& picture, const ExportRecord& record, const std::wstring& tempPath,
                 std::string* jpeg, StillRules rules, const std::function<void()>& beforeDraw) {
    CLSID encoder;
    if (FindEncoderByMimeType(L"image/jpeg", &encoder) < 0) {
        return false;
    }
    JpegQualityParameters quality(static_cast<ULONG>(record.jpegQuality));
    if (picture.SaveToFile(tempPath.c_str(), encoder, quality.Get()) != Ok) {
        return false;
    }
    std::unique_ptr<GdiplusImage> reloaded(GdiplusImage::FromFile(tempPath.c_str()));
    if (reloaded->Native() == nullptr) {
        return false;
    }
    if (beforeDraw) {
        beforeDraw();
    }
    if (!RenderView(*reloaded, record)) {
        return false;
    }
    std::string encoded;
    return reloaded->SaveToMemory(encoder, quality.Get(), &encoded) == Ok &&
           Finish(encoded, record, jpeg, rules);
}
