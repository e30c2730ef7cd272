// Reading a still back: its record, its pieces, the values only StillView can produce, and what
// a check of it reports.
#include "imaging_library.h"
#include "jpeg_segments.h"
#include "own_bytes.h"
#include "platform_findings.h"
#include "producible_values.h"
#include "record_reading.h"
#include "record_segments.h"
#include "sample_record.h"
#include "shown_text.h"
#include "verification.h"
#include "view_steps.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>

namespace {

const std::string kStart = Bytes({0xFF, 0xD8});
const std::string kJfif = Bytes({0xFF, 0xE0, 0x00, 0x07, 'J', 'F', 'I', 'F', 0});
const std::string kExif = Bytes({0xFF, 0xE1, 0x00, 0x06, 'E', 'x', 'i', 'f'});
const std::string kScan =
    Bytes({0xFF, 0xDB, 0x00, 0x03, 9, 0xFF, 0xDA, 0x00, 0x02, 7, 0xFF, 0x00, 0xFF, 0xD9});

ExportRecord SampleRecord() {
    ExportRecord record = ::SampleRecord("Z:\\錄影\\カメラ 03.bmp", std::string(64, 'a'));
    record.view = {575, 1, 65, 48};
    record.interpolation = 3;
    return record;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(StillRecord, ReadsBackEveryValueTheRepeatNeedsExactly) {
    ExportRecord written = SampleRecord();
    // Every gamma the brightness buttons reach, each step in single precision.
    std::vector<float> gammas;
    for (float g = 1.0f; g > 0.15f; g = BrighterGamma(g)) {
        gammas.push_back(g);
    }
    for (float g = 1.0f; g < 4.0f; g = DarkerGamma(g)) {
        gammas.push_back(g);
    }
    for (float gamma : gammas) {
        written.gamma = gamma;
        RecordReading read = ReadRecord(ProvenanceText(written));
        ASSERT_EQ(read.problem, "");
        EXPECT_EQ(read.rules, StillRules::kRecordWithCopies);
        EXPECT_EQ(std::memcmp(&read.record.gamma, &gamma, sizeof gamma), 0)
            << "gamma " << gamma << " read back as " << read.record.gamma;
    }
    const ExportRecord& r = ReadRecord(ProvenanceText(written)).record;
    EXPECT_EQ(r.sourcePath, written.sourcePath);
    EXPECT_EQ(r.sourceBytes, 1216566u);
    EXPECT_EQ(r.sourceSha256, written.sourceSha256);
    EXPECT_EQ(r.view.x, 575);
    EXPECT_EQ(r.view.y, 1);
    EXPECT_EQ(r.view.width, 65);
    EXPECT_EQ(r.view.height, 48);
    EXPECT_EQ(r.workingWidth, 640);
    EXPECT_EQ(r.workingHeight, 480);
    EXPECT_EQ(r.interpolation, 3);
    EXPECT_EQ(r.jpegQuality, 100);
    EXPECT_EQ(r.imagingLibrary, written.imagingLibrary);
}

// The first rules rebuild the kept still byte for byte from its own image data and record.
TEST(StillRecord, AStillSavedBeforeTheRecordGrewIsRebuiltByTheFirstRules) {
    const std::string still =
        ReadFile(STILLVIEW_SOURCE_DIR "/tests/corpus/stills/before-full-record.jpg");
    JpegFile file;
    ASSERT_TRUE(ReadJpegFile(still, &file));
    RecordReading read = ReadRecord(RecordComment(file));
    ASSERT_EQ(read.problem, "");
    EXPECT_EQ(read.rules, StillRules::kFirstRecord);
    EXPECT_EQ(read.record.jpegQuality, 100) << "the only quality the program ever wrote";
    EXPECT_FLOAT_EQ(read.record.gamma, 0.8f);

    std::string imageData;
    for (const JpegPiece& piece : file.pieces) {
        imageData += piece.marker == JpegMarker::kComment ? "" : piece.bytes;
    }
    std::string rebuilt;
    ASSERT_TRUE(InsertRecordSegments(kStart + imageData, read.record, &rebuilt, read.rules));
    EXPECT_EQ(rebuilt, still);
    ASSERT_TRUE(InsertRecordSegments(kStart + imageData, read.record, &rebuilt));
    EXPECT_NE(rebuilt, still) << "today's rules write thirteen lines and the copies";
}

TEST(StillRecord, AMissingOrMalformedLineIsNamed) {
    const std::string text = ProvenanceText(SampleRecord());
    for (const char* key : {"source", "source bytes", "source sha256", "view in working picture",
                            "gamma", "interpolation"}) {
        std::string line = std::string("\n") + key + ": ";
        std::size_t at = text.find(line);
        ASSERT_NE(at, std::string::npos) << key;
        std::string without = text.substr(0, at) + text.substr(text.find('\n', at + 1));
        EXPECT_EQ(ReadRecord(without).problem,
                  std::string("the record has no \"") + key + "\" line");
    }
    std::string bent = text;
    bent.replace(bent.find("width 65"), 8, "width six");
    EXPECT_EQ(ReadRecord(bent).problem,
              "the record's \"view in working picture\" line is malformed");
    EXPECT_NE(ReadRecord("hello").problem, "");
}

TEST(StillPieces, EndAtTheEndMarkerWhateverTheScanHoldsAndKeepWhatFollows) {
    // A scan with a stuffed zero, a restart marker and a 0xFF 0xD9 inside a table between scans.
    const std::string scan = Bytes({0xFF, 0xDA, 0x00, 0x02, 7,    0xFF, 0x00, 0xD0, 0xFF, 0xD3,
                                    1,    0xFF, 0xC4, 0x00, 0x04, 0xFF, 0xD9, 2,    0xFF, 0xD9});
    const std::string comment = Bytes({0xFF, 0xFE, 0x00, 0x03, 'r'});
    const std::string tables = Bytes({0xFF, 0xDB, 0x00, 0x03, 9});
    JpegFile file;
    ASSERT_TRUE(ReadJpegFile(kStart + kJfif + comment + tables + scan + "after", &file));
    ASSERT_EQ(file.pieces.size(), 4u);
    EXPECT_EQ(file.pieces[1].bytes, comment);
    EXPECT_EQ(file.pieces[3].bytes, scan);
    EXPECT_EQ(file.trailing, "after");
    EXPECT_EQ(RecordComment(file), "r");

    EXPECT_FALSE(ReadJpegFile(kStart + kJfif + scan.substr(0, scan.size() - 1), &file))
        << "cut short inside the scan";
    EXPECT_FALSE(ReadJpegFile(kStart + Bytes({0xFF, 0xFE, 0x40, 0x00, 'x', 0xFF, 0xD9}), &file))
        << "a segment longer than the file";
    EXPECT_FALSE(ReadJpegFile("BM" + kScan, &file));
}

TEST(StillValues, OnlyWhatTheViewerCanProduceIsAccepted) {
    PictureSizes sizes;
    sizes.workingWidth = 640;
    sizes.workingHeight = 480;
    sizes.sourceWidth = 704;
    sizes.sourceHeight = 576;
    ExportRecord genuine = SampleRecord();
    genuine.view = {174, 131, 466, 349};
    // Seen in stills the viewer saved: one step darker, two brighter, eight brighter.
    for (float gamma : {1.10000002f, 0.799999952f, 0.200000003f}) {
        genuine.gamma = gamma;
        EXPECT_EQ(UnproducibleValue(genuine, StillRules::kRecordWithCopies, sizes), "") << gamma;
    }
    genuine.view = {0, 0, 640, 480};
    EXPECT_EQ(UnproducibleValue(genuine, StillRules::kRecordWithCopies, sizes), "");
    genuine.view = {576, 432, 64, 48};
    EXPECT_EQ(UnproducibleValue(genuine, StillRules::kRecordWithCopies, sizes), "");

    struct Case {
        void (*change)(ExportRecord&);
        const char* says;
    };
    const Case cases[] = {
        {[](ExportRecord& r) { r.jpegQuality = 5; }, "JPEG quality 5"},
        {[](ExportRecord& r) { r.gamma = 0.85f; }, "gamma 0.850000024"},
        {[](ExportRecord& r) { r.gamma = 0.8f; }, "gamma 0.800000012"},
        {[](ExportRecord& r) { r.gamma = 1e30f; }, "gamma 1.00000002e+30"},
        {[](ExportRecord& r) { r.interpolation = 42; }, "interpolation 42"},
        {[](ExportRecord& r) { r.interpolation = 5; }, "interpolation 5"},
        {[](ExportRecord& r) {
             r.view = {0, 0, 640, 60};
         },
         "a view of 640 x 60"},
        {[](ExportRecord& r) {
             r.view = {0, 0, 63, 47};
         },
         "a view of 63 x 47"},
        {[](ExportRecord& r) {
             r.view = {200, 0, 466, 349};
         },
         "a view at x 200 y 0"},
        {[](ExportRecord& r) {
             r.view = {-1, 0, 466, 349};
         },
         "a view at x -1 y 0"},
        {[](ExportRecord& r) { r.workingWidth = 320; }, "a working picture of 320 x 480"},
        {[](ExportRecord& r) { r.sourceWidth = 700; }, "source pixels 700 x 576"},
    };
    for (const Case& c : cases) {
        ExportRecord record = SampleRecord();
        record.view = {174, 131, 466, 349};
        record.gamma = 0.799999952f;
        c.change(record);
        EXPECT_EQ(UnproducibleValue(record, StillRules::kRecordWithCopies, sizes).find(c.says), 0u)
            << c.says;
    }
    ExportRecord first = SampleRecord();
    first.view = {174, 131, 466, 349};
    first.gamma = 0.8f;
    EXPECT_EQ(UnproducibleValue(first, StillRules::kFirstRecord, sizes), "")
        << "the first records hold the gamma rounded";
}

TEST(ShownText, WritesWhatCouldRewriteAConsoleAsEscapes) {
    const std::string path = "C:\\\xE9\x8C\x84\xE5\xBD\xB1\\a.bmp";
    EXPECT_EQ(ShownText(path), path) << "Chinese and backslashes as they are";
    EXPECT_EQ(ShownText("a\rb\x1b[2Kc\t"), "a\\x0db\\x1b[2Kc\\x09");
    EXPECT_EQ(ShownText("gpj.\xE2\x80\xAE"
                        "exe"),
              "gpj.\\u202e"
              "exe");
    EXPECT_EQ(ShownText("\xC2\x9B\xFF"), "\\u009b\\xff") << "a C1 control, a byte not UTF-8";
    EXPECT_EQ(JsonString("\"\r\xE2\x80\xAE\xFF"), "\"\\\"\\u000d\\u202e\\ufffd\"");
}

Verification Checked() {
    Verification v;
    v.exportPath = "F:\\照片\\\"PLATE\".JPG";
    v.exportSha256 = std::string(64, 'e');
    v.recordRead = true;
    v.record = SampleRecord();
    v.sourcePath = v.record.sourcePath;
    v.sourceRead = true;
    v.sourceBytes = v.record.sourceBytes;
    v.sourceSha256 = v.record.sourceSha256;
    v.sourceMatches = true;
    v.valuesChecked = true;
    v.rebuilt = true;
    v.identicalFile = true;
    v.imagingLibrary = v.record.imagingLibrary;
    v.verifier = "StillVerify 1.0.0.1, 64-bit build";
    return v;
}

// The names of a JSON object's members at its top level, in order.
std::vector<std::string> TopLevelKeys(const std::string& json) {
    std::vector<std::string> keys;
    int depth = 0;
    bool inString = false;
    std::string text;
    for (std::size_t i = 0; i < json.size(); ++i) {
        char c = json[i];
        if (inString) {
            if (c == '\\') {
                text += json[++i];
            } else if (c == '"') {
                inString = false;
                std::size_t next = json.find_first_not_of(' ', i + 1);
                if (depth == 1 && next != std::string::npos && json[next] == ':') {
                    keys.push_back(text);
                }
            } else {
                text += c;
            }
        } else if (c == '"') {
            inString = true;
            text.clear();
        } else if (c == '{' || c == '[') {
            ++depth;
        } else if (c == '}' || c == ']') {
            --depth;
        }
    }
    return keys;
}

TEST(StillVerdict, NoVerdictContradictsItselfAndTheWorstDecidesTheExit) {
    Verification v = Checked();
    EXPECT_EQ(VerdictLine(v), "VERIFIED: identical file");
    EXPECT_EQ(v.Outcome(), Verdict::Verified);

    v.identicalFile = false;
    v.differences = {"an APP2 segment (ICC profile) StillView never writes"};
    EXPECT_EQ(VerdictLine(v), "NOT VERIFIED: an APP2 segment (ICC profile) StillView never writes");
    EXPECT_EQ(ReportText(v).find("pixels differ"), std::string::npos)
        << "no figure where none was made";

    v.imageDataDiffers = true;
    v.pixelsNotCompared = "the still's image data cannot be decoded";
    EXPECT_EQ(VerdictLine(v), "NOT VERIFIED: an APP2 segment (ICC profile) StillView never writes "
                              "(and 1 more above)");
    EXPECT_NE(ReportText(v).find("  image data: the bytes differ, and the pixels could not be "
                                 "compared: the still's image data cannot be decoded\n"),
              std::string::npos);

    v.differences.clear();
    v.pixelsCompared = true;
    v.pixels = {307200, 0, 0};
    EXPECT_EQ(VerdictLine(v),
              "NOT VERIFIED: image data: re-encoded: the pixels are equal but the bytes are not");
    v.imagingLibrary = "gdiplus.dll 10.0.1";
    EXPECT_EQ(v.Outcome(), Verdict::CannotVerify) << "another library may encode other bytes";
    EXPECT_EQ(VerdictLine(v).find("CANNOT VERIFY: cannot verify here: made with another imaging "
                                  "library (gdiplus.dll 5.1.3102.2180; checked with gdiplus.dll "
                                  "10.0.1)"),
              0u);
    v.differences = {"record: the line \"gamma: 1.9\" where StillView writes \"gamma: 0.8\""};
    EXPECT_EQ(v.Outcome(), Verdict::NotVerified) << "a changed record is no library's doing";
    Verdict notVerified = v.Outcome();

    v.unproducible = "JPEG quality 5 (StillView saves at 100)";
    EXPECT_EQ(VerdictLine(v), "NOT VERIFIED: the record states a value StillView cannot produce: "
                              "JPEG quality 5 (StillView saves at 100)");
    v.sourceMatches = false;
    EXPECT_EQ(VerdictLine(v), "NOT VERIFIED: the source differs from the recorded one");

    v.problem = "the export carries no record of where it came from";
    EXPECT_EQ(VerdictLine(v), "CANNOT VERIFY: the export carries no record of where it came from");
    EXPECT_EQ(ExitStatus({Verdict::Verified, notVerified}), 1);
    EXPECT_EQ(ExitStatus({Verdict::Verified, v.Outcome(), notVerified}), 2);
    EXPECT_EQ(ExitStatus({Verdict::Verified, Verdict::Verified}), 0);
}

TEST(StillVerdict, SaysWhatWasCheckedAndWhatIsOnlyStatedWithValuesEscaped) {
    Verification v = Checked();
    v.record.program = "StillView 1.0.0.1\r VERIFIED: identical file \x1b[8m";
    std::string text = ReportText(v);
    std::size_t checked = text.find("\nchecked:\n");
    std::size_t stated = text.find("\nstated, which nothing can check:\n");
    ASSERT_NE(checked, std::string::npos) << text;
    ASSERT_NE(stated, std::string::npos) << text;
    for (const char* line : {"  gamma: 0.8 (exact 0.800000012)\n", "  source pixels: 704 x 576\n",
                             "  view in source: x 632 y 1 width 72 height 57 of 704 x 576\n",
                             "  the file: every byte, against the one rebuilt from the record\n"}) {
        std::size_t at = text.find(line);
        EXPECT_TRUE(at > checked && at < stated) << line << text;
    }
    EXPECT_GT(text.find("  program: StillView 1.0.0.1\\x0d VERIFIED: identical file \\x1b[8m\n"),
              stated)
        << text;
    EXPECT_GT(text.find("  exported: 2026-12-07T08:15:02+01:00\n"), stated);
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_EQ(text.find('\x1b'), std::string::npos);
    EXPECT_NE(text.find("\nchecked by: StillVerify 1.0.0.1, 64-bit build, with gdiplus.dll"),
              std::string::npos);
}

TEST(StillVerdict, JsonHasTheSameFieldsForEveryOutcome) {
    Verification verified = Checked();
    Verification unread;
    unread.exportPath = "F:\\\"MISSING\".JPG";
    unread.problem = "the export cannot be read";
    Verification altered = Checked();
    altered.identicalFile = false;
    altered.imageDataDiffers = true;
    altered.pixelsCompared = true;
    altered.pixels = {307200, 12, 3};
    std::vector<std::string> keys = TopLevelKeys(ReportJson(verified));
    EXPECT_EQ(keys.size(), 21u) << ReportJson(verified);
    EXPECT_EQ(TopLevelKeys(ReportJson(unread)), keys) << ReportJson(unread);
    EXPECT_EQ(TopLevelKeys(ReportJson(altered)), keys) << ReportJson(altered);

    std::string json = ReportJson(unread);
    EXPECT_NE(json.find("\"export\": \"F:\\\\\\\"MISSING\\\".JPG\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"exit_status\": 2"), std::string::npos);
    EXPECT_NE(json.find("\"reason\": \"the export cannot be read\""), std::string::npos);
    EXPECT_NE(json.find("\"record\": null"), std::string::npos) << json;
    EXPECT_NE(json.find("\"pixels\": null"), std::string::npos) << "no figure invented";
    json = ReportJson(altered);
    EXPECT_NE(json.find("\"verdict\": \"not verified\""), std::string::npos);
    EXPECT_NE(json.find("\"pixels\": {\"total\": 307200, \"differing\": 12"), std::string::npos);
    EXPECT_NE(json.find("\"source\": \"Z:\\\\錄影\\\\カメラ 03.bmp\""), std::string::npos);
}

TEST(StillPixels, CountsPixelsThatDifferInAnyColourAndTheLargestDifference) {
    std::vector<std::uint32_t> a = {0xFF102030, 0xFF102030, 0x00102030, 0xFFFFFFFF};
    std::vector<std::uint32_t> b = {0xFF102030, 0xFF102130, 0xFF102030, 0xFF00FFFF};
    PixelComparison c = ComparePixels(a, b);
    EXPECT_EQ(c.total, 4u);
    EXPECT_EQ(c.differing, 2u) << "alpha alone is no difference";
    EXPECT_EQ(c.largestDifference, 255);
}

TEST(StillRecord, TheQualityLineSaysWhatTheTablesShowAndReadsBack) {
    ExportRecord written = SampleRecord();
    written.writtenQuality = 75;
    written.chromaSubsampling = "4:2:0";
    std::string text = ProvenanceText(written);
    EXPECT_NE(text.find("\njpeg quality: 75 (100 requested), chroma subsampling 4:2:0\n"),
              std::string::npos)
        << text;
    RecordReading read = ReadRecord(text);
    ASSERT_EQ(read.problem, "");
    EXPECT_EQ(read.rules, StillRules::kWrittenTables);
    EXPECT_EQ(read.record.jpegQuality, 100);
    EXPECT_EQ(read.record.writtenQuality, 75);
    EXPECT_EQ(read.record.chromaSubsampling, "4:2:0");

    written.writtenQuality = 100;
    written.chromaSubsampling = "4:4:4";
    text = ProvenanceText(written);
    EXPECT_NE(text.find("\njpeg quality: 100, chroma subsampling 4:4:4\n"), std::string::npos);
    read = ReadRecord(text);
    EXPECT_EQ(read.rules, StillRules::kWrittenTables);
    EXPECT_EQ(read.record.writtenQuality, 100);

    for (const char* malformed : {"75 (100 requested)", "75 (100), chroma subsampling 4:2:0",
                                  "75 (100 requested), chroma subsampling ",
                                  "175, chroma subsampling 4:2:0", "x, chroma subsampling 4:2:0"}) {
        std::string line = std::string("\njpeg quality: ") + malformed + "\n";
        std::size_t start = text.find("\njpeg quality: ");
        std::string bad =
            text.substr(0, start) + line + text.substr(text.find('\n', start + 1) + 1);
        EXPECT_EQ(ReadRecord(bad).problem, "the record's \"jpeg quality\" line is malformed")
            << malformed;
    }
}

TEST(StillIdentity, AnotherLibraryIsAnotherHashOrPlatformAndOldRecordsGoByVersion) {
    std::string wine = ImagingLibraryText("6.1.7601.17514", std::string(64, 'a'), "8.0");
    EXPECT_EQ(wine,
              "gdiplus.dll 6.1.7601.17514, sha256 " + std::string(64, 'a') + ", under Wine 8.0");
    std::string windows = ImagingLibraryText("6.1.7601.17514", std::string(64, 'a'), "");
    EXPECT_EQ(windows.substr(windows.size() - 12), ", on Windows");
    EXPECT_TRUE(SameImagingLibrary(wine, wine));
    EXPECT_FALSE(SameImagingLibrary(wine, windows)) << "Wine is not Windows";
    EXPECT_FALSE(SameImagingLibrary(
        wine, ImagingLibraryText("6.1.7601.17514", std::string(64, 'b'), "8.0")));
    EXPECT_TRUE(SameImagingLibrary("gdiplus.dll 6.1.7601.17514", windows));
    EXPECT_FALSE(SameImagingLibrary("gdiplus.dll 5.1.3102.2180", windows));

    Verification v = Checked();
    v.record.imagingLibrary = "gdiplus.dll 6.1.7601.17514";
    v.imagingLibrary = wine;
    v.identicalFile = false;
    v.imageDataDiffers = true;
    v.pixelsCompared = true;
    v.pixels = {307200, 0, 0};
    EXPECT_EQ(v.Outcome(), Verdict::NotVerified) << "a record from before the hash, this version";
    v.record.imagingLibrary = windows;
    EXPECT_EQ(v.Outcome(), Verdict::CannotVerify);
    EXPECT_NE(ReportJson(v).find("\"reason\": \"cannot verify here: made with another imaging "
                                 "library (" +
                                 windows + "; checked with " + wine + ")"),
              std::string::npos);
}

// An encoder's JPEG: its JFIF header at 120 dpi, its own EXIF, then the tables and the scan.
TEST(StillBytes, OnlyOurSegmentsAndDensityStay) {
    const std::string jfif120 =
        Bytes({0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0, 1, 1, 1, 0, 120, 0, 120, 0, 0});
    const std::string encoderExif = Bytes({0xFF, 0xE1, 0x00, 0x08, 'E', 'x', 'i', 'f', 0, 0});
    std::string own;
    ASSERT_TRUE(KeepOwnBytes(kStart + jfif120 + encoderExif + kScan, &own));
    EXPECT_EQ(own, kStart +
                       Bytes({0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0, 1, 1, 1, 0, 96, 0, 96,
                              0, 0}) +
                       kScan);
    std::string again;
    ASSERT_TRUE(KeepOwnBytes(kStart + kScan, &again));
    EXPECT_EQ(again, own) << "a header is put in where the encoder wrote none";
    EXPECT_FALSE(KeepOwnBytes(kStart + jfif120, &again)) << "no image data";
}

TEST(PlatformFindings, ExitZeroOnlyWhenEveryAssumptionHoldsAndEachFailingOneIsNamed) {
    PlatformFindings f;
    f.imagingLibrary = "gdiplus.dll 10.0.19041.1, sha256 " + std::string(64, 'c') + ", on Windows";
    f.qualityAt100 = 100;
    f.interpolationsDiffer = true;
    f.stillVerifies = true;
    f.stillVerdict = "VERIFIED: identical file";
    f.densityX = f.densityY = 120;
    EXPECT_EQ(PlatformExitStatus(f), 0);
    std::string text = PlatformReportText(f);
    EXPECT_NE(text.find("\njpeg quality 100: honoured\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\ndensity written: 120 x 120 dpi (a still always states 96)\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\nPLATFORM: every assumption holds\n"), std::string::npos) << text;

    f.embeddedThumbnailReturned = true;
    f.stillVerifies = false;
    f.stillVerdict = "NOT VERIFIED: image data: re-encoded: the pixels are equal but the bytes are "
                     "not";
    EXPECT_EQ(PlatformExitStatus(f), 1);
    EXPECT_NE(PlatformReportText(f).find("\nPLATFORM: not as assumed: a still made here\n"),
              std::string::npos)
        << PlatformReportText(f);
}

TEST(PlatformFindings, DensityIsReadInDotsPerInch) {
    std::string jfif = Bytes(
        {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0, 1, 1, 1, 0, 120, 0, 144, 0, 0});
    int x = 0;
    int y = 0;
    ASSERT_TRUE(ReadJfifDensity(jfif, &x, &y));
    EXPECT_EQ(x, 120);
    EXPECT_EQ(y, 144);
    jfif[13] = 2; // per centimetre: 38 is 96.5 dpi
    jfif[15] = 38;
    jfif[17] = 38;
    ASSERT_TRUE(ReadJfifDensity(jfif, &x, &y));
    EXPECT_EQ(x, 97);
    jfif[13] = 0; // an aspect ratio, no density
    EXPECT_FALSE(ReadJfifDensity(jfif, &x, &y));
}

} // namespace
