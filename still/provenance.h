// The record an exported still carries: what it was made from and how, as plain "key: value"
// lines that any comment reader shows.
#pragma once

#include <cstdint>
#include <string>

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct ExportRecord {
    std::string program;    // name and version
    std::string sourcePath; // UTF-8, as opened
    std::uint64_t sourceBytes = 0;
    std::string sourceSha256; // lower-case hex; empty when the file could not be read again
    int sourceWidth = 0;
    int sourceHeight = 0;
    int workingWidth = 0;
    int workingHeight = 0;
    PixelRect view; // in working-picture pixels
    float gamma = 1.0f;
    int interpolation = 0;
    int jpegQuality = 100; // asked of the encoder
    // What the encoder wrote, read back from its tables; 0 and empty in records from before.
    int writtenQuality = 0;
    std::string chromaSubsampling;
    std::string imagingLibrary; // name and file version; since the written quality, hash and
                                // platform too
    std::string exportedAt;
    // The working picture was drawn from the whole picture, not made by the thumbnail call (the
    // file carried a preview that call would have scaled instead).
    bool workingDrawn = false;
};

// The line a record has only when its working picture was drawn from the whole picture.
constexpr char kWorkingPictureKey[] = "working picture made";
constexpr char kWorkingDrawnValue[] = "drawn from the whole picture";

// How a version of the program wrote its stills. The first carried the record's first ten lines
// in a comment alone; then the record also held what repeating the export needs and had copies
// in EXIF and XMP; now it states the quality and subsampling the file's own tables show, and the
// encoder's bytes carry no segment or density of the platform's.
enum class StillRules { kFirstRecord, kRecordWithCopies, kWrittenTables };

// The view's rectangle in the original picture's pixels: each edge scaled by the ratio of the
// sizes, multiplied first and divided last.
PixelRect ViewInSource(const PixelRect& view, int workingWidth, int workingHeight, int sourceWidth,
                       int sourceHeight);

std::string ProvenanceText(const ExportRecord& record,
                           StillRules rules = StillRules::kWrittenTables);

// The pieces of the record's lines that other copies of it repeat.
// "x 132 y 48 width 512 height 420 of 704 x 576"
std::string RectText(const PixelRect& rect, int width, int height);
// "0.8": the shortest form that reads as the value shown.
std::string RoundedGammaText(float gamma);
// "7 (high-quality bicubic)"
std::string InterpolationText(int mode);
// "75 (100 requested), chroma subsampling 4:2:0", "100, chroma subsampling 4:4:4"; the
// requested quality alone in records from before the written one.
std::string QualityText(const ExportRecord& record);

// ISO 8601 local time with its offset from UTC, e.g. "2026-12-07T08:15:02+01:00".
std::string LocalTimestamp(int year, int month, int day, int hour, int minute, int second,
                           int minutesEastOfUtc);
