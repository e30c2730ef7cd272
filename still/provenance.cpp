#include "provenance.h"

#include "quality_levels.h"

#include <cstdio>
#include <cstdlib>

namespace {

int Scale(int value, int from, int to) {
    return from > 0 ? static_cast<int>(static_cast<std::int64_t>(value) * to / from) : 0;
}

} // namespace

std::string RectText(const PixelRect& r, int width, int height) {
    char text[128];
    std::snprintf(text, sizeof text, "x %d y %d width %d height %d of %d x %d", r.x, r.y, r.width,
                  r.height, width, height);
    return text;
}

std::string RoundedGammaText(float gamma) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(gamma));
    return text;
}

std::string InterpolationText(int mode) {
    return std::to_string(mode) + " (" + InterpolationWording(mode) + ")";
}

std::string QualityText(const ExportRecord& r) {
    if (r.writtenQuality == 0) {
        return std::to_string(r.jpegQuality);
    }
    std::string text = std::to_string(r.writtenQuality);
    if (r.writtenQuality != r.jpegQuality) {
        text += " (" + std::to_string(r.jpegQuality) + " requested)";
    }
    return text + ", chroma subsampling " + r.chromaSubsampling;
}

PixelRect ViewInSource(const PixelRect& view, int workingWidth, int workingHeight, int sourceWidth,
                       int sourceHeight) {
    PixelRect source;
    source.x = Scale(view.x, workingWidth, sourceWidth);
    source.y = Scale(view.y, workingHeight, sourceHeight);
    source.width = Scale(view.x + view.width, workingWidth, sourceWidth) - source.x;
    source.height = Scale(view.y + view.height, workingHeight, sourceHeight) - source.y;
    return source;
}

std::string ProvenanceText(const ExportRecord& r, StillRules rules) {
    char number[64];
    std::string text;
    text += "program: " + r.program + "\n";
    text += "source: " + r.sourcePath + "\n";
    std::snprintf(number, sizeof number, "%llu", static_cast<unsigned long long>(r.sourceBytes));
    text += std::string("source bytes: ") + number + "\n";
    text += "source sha256: " + (r.sourceSha256.empty() ? "unavailable" : r.sourceSha256) + "\n";
    std::snprintf(number, sizeof number, "%d x %d", r.sourceWidth, r.sourceHeight);
    text += std::string("source pixels: ") + number + "\n";
    text += "view in working picture: " + RectText(r.view, r.workingWidth, r.workingHeight) + "\n";
    PixelRect inSource =
        ViewInSource(r.view, r.workingWidth, r.workingHeight, r.sourceWidth, r.sourceHeight);
    text += "view in source: " + RectText(inSource, r.sourceWidth, r.sourceHeight) + "\n";
    text += "gamma: " + RoundedGammaText(r.gamma) + "\n";
    text += "interpolation: " + InterpolationText(r.interpolation) + "\n";
    text += "exported: " + r.exportedAt + "\n";
    if (rules == StillRules::kFirstRecord) {
        return text;
    }
    // What repeating the export needs beyond the lines above, each exact when read back.
    std::snprintf(number, sizeof number, "%.9g", static_cast<double>(r.gamma));
    text += std::string("gamma exact: ") + number + "\n";
    text += "jpeg quality: " + QualityText(r) + "\n";
    text += "imaging library: " + r.imagingLibrary + "\n";
    if (r.workingDrawn) {
        text += std::string(kWorkingPictureKey) + ": " + kWorkingDrawnValue + "\n";
    }
    return text;
}

std::string LocalTimestamp(int year, int month, int day, int hour, int minute, int second,
                           int minutesEastOfUtc) {
    int offset = std::abs(minutesEastOfUtc);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", year, month, day,
                  hour, minute, second, minutesEastOfUtc < 0 ? '-' : '+', offset / 60, offset % 60);
    return text;
}
