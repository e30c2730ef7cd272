#include "verification.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

int Channel(std::uint32_t pixel, int shift) {
    return static_cast<int>((pixel >> shift) & 0xFF);
}

std::string Number(std::uint64_t value) {
    char text[32];
    std::snprintf(text, sizeof text, "%llu", static_cast<unsigned long long>(value));
    return text;
}

std::string RectText(const PixelRect& r) {
    char text[96];
    std::snprintf(text, sizeof text, "x %d y %d width %d height %d", r.x, r.y, r.width, r.height);
    return text;
}

std::string GammaText(float gamma) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(gamma));
    return text;
}

bool LibraryDiffers(const Verification& v) {
    return v.recordRead && !v.record.imagingLibrary.empty() &&
           v.record.imagingLibrary != v.imagingLibrary;
}

std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += static_cast<char>(c);
        } else if (c < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            quoted += escape;
        } else {
            quoted += static_cast<char>(c);
        }
    }
    return quoted + "\"";
}

const char* VerdictName(Verdict verdict) {
    switch (verdict) {
    case Verdict::Verified:
        return "verified";
    case Verdict::NotVerified:
        return "not verified";
    default:
        return "cannot verify";
    }
}

} // namespace

PixelComparison ComparePixels(const std::vector<std::uint32_t>& a,
                              const std::vector<std::uint32_t>& b) {
    PixelComparison result;
    result.total = a.size();
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        int largest = 0;
        for (int shift = 0; shift < 24; shift += 8) {
            largest = std::max(largest, std::abs(Channel(a[i], shift) - Channel(b[i], shift)));
        }
        if (largest > 0) {
            ++result.differing;
            result.largestDifference = std::max(result.largestDifference, largest);
        }
    }
    return result;
}

Verdict Verification::Outcome() const {
    if (!problem.empty()) {
        return Verdict::CannotVerify;
    }
    return sourceMatches && identicalImageData ? Verdict::Verified : Verdict::NotVerified;
}

std::string VerdictLine(const Verification& v) {
    switch (v.Outcome()) {
    case Verdict::Verified:
        return "VERIFIED: identical image data";
    case Verdict::CannotVerify:
        return "CANNOT VERIFY: " + v.problem;
    default:
        if (!v.sourceMatches) {
            return "NOT VERIFIED: the source differs from the recorded one";
        }
        return "NOT VERIFIED: " + Number(v.pixels.differing) + " of " + Number(v.pixels.total) +
               " pixels differ (largest difference " + Number(v.pixels.largestDifference) + ")";
    }
}

std::string ReportText(const Verification& v) {
    std::string text = "export: " + v.exportPath + "\n";
    if (!v.exportSha256.empty()) {
        text += "export sha256: " + v.exportSha256 + "\n";
    }
    if (v.recordRead) {
        const ExportRecord& r = v.record;
        text += "made by: " + r.program + ", " + r.exportedAt + "\n";
        text += "recorded source: " + r.sourcePath + ", " + Number(r.sourceBytes) +
                " bytes, sha256 " + (r.sourceSha256.empty() ? "unavailable" : r.sourceSha256) +
                "\n";
        text += "view: " + RectText(r.view) + " of " + Number(r.workingWidth) + " x " +
                Number(r.workingHeight) + ", gamma " + GammaText(r.gamma) + ", interpolation " +
                Number(r.interpolation) + ", JPEG quality " + Number(r.jpegQuality) + "\n";
    }
    if (v.sourceRead) {
        text += "source checked: " + v.sourcePath + ", " + Number(v.sourceBytes) +
                " bytes, sha256 " + v.sourceSha256 +
                (v.sourceMatches ? " (matches the record)" : " (DIFFERS from the record)") + "\n";
    }
    for (const std::string& missing : v.lacking) {
        text += "note: the record, written by an earlier version, lacks " + missing + "\n";
    }
    text += VerdictLine(v) + "\n";
    if (LibraryDiffers(v)) {
        text += "note: made with " + v.record.imagingLibrary + ", checked with " +
                v.imagingLibrary + "\n";
    }
    text += "checked by: " + v.verifier + " with " + v.imagingLibrary + "\n";
    return text;
}

std::string ReportJson(const Verification& v) {
    const ExportRecord& r = v.record;
    std::string json = "{";
    json += "\"export\": " + Quoted(v.exportPath);
    json += ", \"export_sha256\": " + Quoted(v.exportSha256);
    json += ", \"verdict\": " + Quoted(VerdictName(v.Outcome()));
    json += ", \"verdict_line\": " + Quoted(VerdictLine(v));
    json += ", \"exit_status\": " + Number(static_cast<int>(v.Outcome()));
    if (v.recordRead) {
        json += ", \"record\": {\"program\": " + Quoted(r.program) +
                ", \"source\": " + Quoted(r.sourcePath) +
                ", \"source_bytes\": " + Number(r.sourceBytes) +
                ", \"source_sha256\": " + Quoted(r.sourceSha256) +
                ", \"source_width\": " + Number(r.sourceWidth) +
                ", \"source_height\": " + Number(r.sourceHeight) +
                ", \"working_width\": " + Number(r.workingWidth) +
                ", \"working_height\": " + Number(r.workingHeight) +
                ", \"view\": {\"x\": " + Number(r.view.x) + ", \"y\": " + Number(r.view.y) +
                ", \"width\": " + Number(r.view.width) + ", \"height\": " + Number(r.view.height) +
                "}, \"gamma\": " + GammaText(r.gamma) +
                ", \"interpolation\": " + Number(r.interpolation) +
                ", \"jpeg_quality\": " + Number(r.jpegQuality) +
                ", \"imaging_library\": " + Quoted(r.imagingLibrary) +
                ", \"exported\": " + Quoted(r.exportedAt) + "}";
    }
    json += ", \"source_checked\": " + Quoted(v.sourcePath);
    json += ", \"source_sha256\": " + Quoted(v.sourceSha256);
    json += ", \"source_bytes\": " + Number(v.sourceBytes);
    json += std::string(", \"source_matches\": ") + (v.sourceMatches ? "true" : "false");
    json += std::string(", \"identical_image_data\": ") + (v.identicalImageData ? "true" : "false");
    json += ", \"pixels\": {\"total\": " + Number(v.pixels.total) +
            ", \"differing\": " + Number(v.pixels.differing) +
            ", \"largest_difference\": " + Number(v.pixels.largestDifference) + "}";
    json += ", \"lacking\": [";
    for (std::size_t i = 0; i < v.lacking.size(); ++i) {
        json += (i > 0 ? ", " : "") + Quoted(v.lacking[i]);
    }
    json += "], \"imaging_library\": " + Quoted(v.imagingLibrary);
    json += ", \"verifier\": " + Quoted(v.verifier) + "}";
    return json;
}

int ExitStatus(const std::vector<Verdict>& verdicts) {
    int worst = 0;
    for (Verdict verdict : verdicts) {
        worst = std::max(worst, static_cast<int>(verdict));
    }
    return worst;
}
