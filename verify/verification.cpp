#include "verification.h"

#include "imaging_library.h"
#include "shown_text.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

const char kNull[] = "null";

int Channel(std::uint32_t pixel, int shift) {
    return static_cast<int>((pixel >> shift) & 0xFF);
}

std::string Number(std::uint64_t value) {
    char text[32];
    std::snprintf(text, sizeof text, "%llu", static_cast<unsigned long long>(value));
    return text;
}

std::string ExactGamma(float gamma) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(gamma));
    return text;
}

bool LibraryDiffers(const Verification& v) {
    return v.recordRead && !v.record.imagingLibrary.empty() &&
           !SameImagingLibrary(v.record.imagingLibrary, v.imagingLibrary);
}

std::string ImageDataFinding(const Verification& v) {
    if (!v.pixelsCompared) {
        return "image data: the bytes differ, and the pixels could not be compared: " +
               v.pixelsNotCompared;
    }
    if (v.pixels.differing == 0) {
        return "image data: re-encoded: the pixels are equal but the bytes are not";
    }
    return "image data: " + Number(v.pixels.differing) + " of " + Number(v.pixels.total) +
           " pixels differ (largest difference " + Number(v.pixels.largestDifference) + ")";
}

std::vector<std::string> AllDifferences(const Verification& v) {
    std::vector<std::string> all = v.differences;
    if (v.imageDataDiffers) {
        all.push_back(ImageDataFinding(v));
    }
    return all;
}

// How a report names each version's rules: a short name for JSON, and what they mean.
struct RulesWords {
    const char* name;
    const char* text;
};

RulesWords WordsOf(StillRules rules) {
    static const RulesWords kWords[] = {
        {"first record",
         "the first stills': the record's first ten lines in a comment, no EXIF or XMP copy"},
        {"record with copies",
         "the record of thirteen lines in a comment, with its EXIF and XMP copies"},
        {"record of the written tables",
         "the record of thirteen lines with its EXIF and XMP copies, stating the quality the "
         "file's tables show; only the program's own segments"},
    };
    return kWords[static_cast<int>(rules)];
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

struct ReportLine {
    std::string key;
    std::string text;
};

// The record's lines a check can hold against the source and the program's rules.
std::vector<ReportLine> CheckableLines(const Verification& v) {
    const ExportRecord& r = v.record;
    std::string recorded = Number(r.sourceBytes) + " bytes, sha256 " +
                           (r.sourceSha256.empty() ? "unavailable" : r.sourceSha256);
    std::string source = v.sourceRead
                             ? v.sourcePath + ", " + Number(v.sourceBytes) + " bytes, sha256 " +
                                   v.sourceSha256 +
                                   (v.sourceMatches ? " (matches the record)"
                                                    : " (the record says " + recorded + ")")
                             : recorded;
    PixelRect inSource =
        ViewInSource(r.view, r.workingWidth, r.workingHeight, r.sourceWidth, r.sourceHeight);
    bool first = v.rules == StillRules::kFirstRecord;
    return {
        {"source", source},
        {"source pixels", Number(r.sourceWidth) + " x " + Number(r.sourceHeight)},
        {"view in working picture", RectText(r.view, r.workingWidth, r.workingHeight)},
        {"view in source", RectText(inSource, r.sourceWidth, r.sourceHeight)},
        {"gamma", RoundedGammaText(r.gamma) + (first ? " (the first records hold it rounded)"
                                                     : " (exact " + ExactGamma(r.gamma) + ")")},
        {"interpolation", InterpolationText(r.interpolation)},
        {"jpeg quality",
         QualityText(r) + (first ? " (not recorded: the only one StillView wrote)" : "")},
        {"the file", "every byte, against the one rebuilt from the record"},
    };
}

bool LineChecked(const Verification& v, const std::string& key) {
    if (key == "source") {
        return v.sourceRead;
    }
    return key == "the file" ? v.rebuilt : v.valuesChecked;
}

std::vector<ReportLine> StatedLines(const ExportRecord& r) {
    return {
        {"program", r.program},
        {"exported", r.exportedAt},
        {"source path", r.sourcePath},
        {"imaging library", r.imagingLibrary.empty() ? "(not recorded)" : r.imagingLibrary},
    };
}

std::string JsonList(const std::vector<std::string>& texts) {
    std::string list = "[";
    for (std::size_t i = 0; i < texts.size(); ++i) {
        list += (i > 0 ? ", " : "") + JsonString(texts[i]);
    }
    return list + "]";
}

std::string JsonOrNull(bool known, const std::string& json) {
    return known ? json : kNull;
}

std::string JsonRecord(const Verification& v) {
    if (!v.recordRead) {
        return kNull;
    }
    const ExportRecord& r = v.record;
    return "{\"program\": " + JsonString(r.program) + ", \"source\": " + JsonString(r.sourcePath) +
           ", \"source_bytes\": " + Number(r.sourceBytes) +
           ", \"source_sha256\": " + JsonString(r.sourceSha256) +
           ", \"source_width\": " + Number(r.sourceWidth) +
           ", \"source_height\": " + Number(r.sourceHeight) +
           ", \"working_width\": " + Number(r.workingWidth) +
           ", \"working_height\": " + Number(r.workingHeight) +
           ", \"view\": {\"x\": " + Number(r.view.x) + ", \"y\": " + Number(r.view.y) +
           ", \"width\": " + Number(r.view.width) + ", \"height\": " + Number(r.view.height) +
           "}, \"gamma\": " + ExactGamma(r.gamma) +
           ", \"interpolation\": " + Number(r.interpolation) +
           ", \"jpeg_quality\": " + Number(r.jpegQuality) +
           ", \"written_quality\": " + JsonOrNull(r.writtenQuality != 0, Number(r.writtenQuality)) +
           ", \"chroma_subsampling\": " +
           JsonOrNull(r.writtenQuality != 0, JsonString(r.chromaSubsampling)) +
           ", \"imaging_library\": " + JsonString(r.imagingLibrary) +
           ", \"exported\": " + JsonString(r.exportedAt) + "}";
}

std::string JsonBool(bool value) {
    return value ? "true" : "false";
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
    if (!sourceMatches || !unproducible.empty() || !differences.empty()) {
        return Verdict::NotVerified;
    }
    if (identicalFile) {
        return Verdict::Verified;
    }
    // Only the encoder's bytes differ: another version of it may do that for the same view.
    return imageDataDiffers && LibraryDiffers(*this) ? Verdict::CannotVerify : Verdict::NotVerified;
}

std::string VerdictLine(const Verification& v) {
    switch (v.Outcome()) {
    case Verdict::Verified:
        return "VERIFIED: identical file";
    case Verdict::CannotVerify:
        if (!v.problem.empty()) {
            return "CANNOT VERIFY: " + v.problem;
        }
        return "CANNOT VERIFY: cannot verify here: made with another imaging library (" +
               v.record.imagingLibrary + "; checked with " + v.imagingLibrary +
               "), which may encode the same view in other bytes; " + ImageDataFinding(v);
    default:
        break;
    }
    if (!v.sourceMatches) {
        return "NOT VERIFIED: the source differs from the recorded one";
    }
    if (!v.unproducible.empty()) {
        return "NOT VERIFIED: the record states a value StillView cannot produce: " +
               v.unproducible;
    }
    std::vector<std::string> all = AllDifferences(v);
    std::string line = "NOT VERIFIED: " + all.front();
    if (all.size() > 1) {
        line += " (and " + Number(all.size() - 1) + " more above)";
    }
    return line;
}

std::string ReportText(const Verification& v) {
    std::vector<std::string> lines = {"export: " + v.exportPath};
    if (!v.exportSha256.empty()) {
        lines.push_back("export sha256: " + v.exportSha256);
    }
    if (v.recordRead) {
        lines.push_back(std::string("rules: ") + WordsOf(v.rules).text);
        for (bool checked : {true, false}) {
            std::vector<std::string> group;
            for (const ReportLine& line : CheckableLines(v)) {
                if (LineChecked(v, line.key) == checked) {
                    group.push_back("  " + line.key + ": " + line.text);
                }
            }
            if (!group.empty()) {
                lines.push_back(checked ? "checked:" : "not checked, the check ended first:");
                lines.insert(lines.end(), group.begin(), group.end());
            }
        }
        lines.push_back("stated, which nothing can check:");
        for (const ReportLine& line : StatedLines(v.record)) {
            lines.push_back("  " + line.key + ": " + line.text);
        }
    }
    std::vector<std::string> differences = AllDifferences(v);
    if (!differences.empty()) {
        lines.push_back("differences:");
        for (const std::string& difference : differences) {
            lines.push_back("  " + difference);
        }
    }
    lines.push_back(VerdictLine(v));
    lines.push_back("checked by: " + v.verifier + ", with " + v.imagingLibrary);
    std::string text;
    for (const std::string& line : lines) {
        text += ShownText(line) + "\n";
    }
    return text;
}

std::string ReportJson(const Verification& v) {
    std::vector<std::string> checked;
    std::vector<std::string> stated;
    if (v.recordRead) {
        for (const ReportLine& line : CheckableLines(v)) {
            if (LineChecked(v, line.key)) {
                checked.push_back(line.key);
            }
        }
        for (const ReportLine& line : StatedLines(v.record)) {
            stated.push_back(line.key);
        }
    }
    Verdict verdict = v.Outcome();
    std::string verdictLine = VerdictLine(v);
    std::string json = "{";
    json += "\"export\": " + JsonString(v.exportPath);
    json +=
        ", \"export_sha256\": " + JsonOrNull(!v.exportSha256.empty(), JsonString(v.exportSha256));
    json += ", \"verdict\": " + JsonString(VerdictName(verdict));
    json += ", \"verdict_line\": " + JsonString(verdictLine);
    json +=
        ", \"reason\": " + JsonOrNull(verdict != Verdict::Verified,
                                      JsonString(verdictLine.substr(verdictLine.find(": ") + 2)));
    json += ", \"exit_status\": " + Number(static_cast<int>(verdict));
    json += ", \"rules\": " + JsonOrNull(v.recordRead, JsonString(WordsOf(v.rules).name));
    json += ", \"record\": " + JsonRecord(v);
    json += ", \"checked\": " + JsonList(checked);
    json += ", \"stated\": " + JsonList(stated);
    json += ", \"source_checked\": " + JsonOrNull(!v.sourcePath.empty(), JsonString(v.sourcePath));
    json += ", \"source_bytes\": " + JsonOrNull(v.sourceRead, Number(v.sourceBytes));
    json += ", \"source_sha256\": " + JsonOrNull(v.sourceRead, JsonString(v.sourceSha256));
    json += ", \"source_matches\": " + JsonOrNull(v.sourceRead, JsonBool(v.sourceMatches));
    json +=
        ", \"unproducible\": " + JsonOrNull(!v.unproducible.empty(), JsonString(v.unproducible));
    json += ", \"identical_file\": " + JsonOrNull(v.rebuilt, JsonBool(v.identicalFile));
    json += ", \"differences\": " + JsonList(AllDifferences(v));
    json += ", \"pixels\": " +
            JsonOrNull(v.pixelsCompared,
                       "{\"total\": " + Number(v.pixels.total) +
                           ", \"differing\": " + Number(v.pixels.differing) +
                           ", \"largest_difference\": " + Number(v.pixels.largestDifference) + "}");
    json += ", \"pixels_not_compared\": " +
            JsonOrNull(v.imageDataDiffers && !v.pixelsCompared, JsonString(v.pixelsNotCompared));
    json += ", \"imaging_library\": " + JsonString(v.imagingLibrary);
    json += ", \"verifier\": " + JsonString(v.verifier) + "}";
    return json;
}

int ExitStatus(const std::vector<Verdict>& verdicts) {
    int worst = 0;
    for (Verdict verdict : verdicts) {
        worst = std::max(worst, static_cast<int>(verdict));
    }
    return worst;
}
