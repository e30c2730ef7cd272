// Reading a still back: its record, its image data apart from the record, and what a check of
// it reports.
#include "jpeg_comment.h"
#include "jpeg_segments.h"
#include "record_reading.h"
#include "sample_record.h"
#include "verification.h"
#include "view_adjustments.h"

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
        EXPECT_TRUE(read.lacking.empty());
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

TEST(StillRecord, AStillSavedBeforeTheFullRecordSaysWhatItLacks) {
    JpegParts parts;
    ASSERT_TRUE(SplitJpeg(
        ReadFile(STILLVIEW_SOURCE_DIR "/tests/corpus/stills/before-full-record.jpg"), &parts));
    RecordReading read = ReadRecord(parts.comment);
    EXPECT_EQ(read.problem, "");
    ASSERT_EQ(read.lacking.size(), 3u);
    EXPECT_NE(read.lacking[0].find("exact gamma"), std::string::npos);
    EXPECT_NE(read.lacking[1].find("JPEG quality"), std::string::npos);
    EXPECT_EQ(read.record.jpegQuality, 100) << "the only quality the program ever wrote";
    EXPECT_FLOAT_EQ(read.record.gamma, 0.8f);
    EXPECT_EQ(read.record.workingWidth, 640);
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

TEST(StillImageData, LeavesOutExactlyTheRecordsSegments) {
    const std::string plain = kStart + kJfif + kScan;
    std::string withRecord;
    ASSERT_TRUE(
        InsertJpegComment(kStart + kJfif + kExif + kScan, std::string(70000, 'r'), &withRecord));
    JpegParts parts;
    ASSERT_TRUE(SplitJpeg(withRecord, &parts));
    EXPECT_EQ(parts.imageData, plain) << "comments and Exif/XMP left out, all else kept";
    EXPECT_EQ(parts.comment, std::string(70000, 'r')) << "both comment segments, in order";

    ASSERT_TRUE(SplitJpeg(plain, &parts));
    EXPECT_EQ(parts.imageData, plain);
    EXPECT_EQ(parts.comment, "");

    EXPECT_FALSE(SplitJpeg(withRecord.substr(0, withRecord.size() - 5), &parts)) << "cut short";
    EXPECT_FALSE(SplitJpeg(kStart + Bytes({0xFF, 0xFE, 0x40, 0x00, 'x', 0xFF, 0xD9}), &parts))
        << "a segment longer than the file";
    EXPECT_FALSE(SplitJpeg("BM" + kScan, &parts));
}

Verification Checked() {
    Verification v;
    v.exportPath = "F:\\照片\\\"PLATE\".JPG";
    v.recordRead = true;
    v.record = SampleRecord();
    v.sourceRead = true;
    v.sourceMatches = true;
    v.identicalImageData = true;
    v.pixels.total = 307200;
    v.imagingLibrary = v.record.imagingLibrary;
    return v;
}

TEST(StillVerdict, SaysWhatWasFoundAndTheWorstDecidesTheExit) {
    Verification v = Checked();
    EXPECT_EQ(VerdictLine(v), "VERIFIED: identical image data");
    EXPECT_EQ(v.Outcome(), Verdict::Verified);
    EXPECT_EQ(ReportText(v).find("note: made with"), std::string::npos);

    v.imagingLibrary = "gdiplus.dll 10.0.1";
    std::string text = ReportText(v);
    std::size_t verdict = text.find("VERIFIED: identical image data\n");
    ASSERT_NE(verdict, std::string::npos);
    EXPECT_EQ(
        text.find("note: made with gdiplus.dll 5.1.3102.2180, checked with gdiplus.dll 10.0.1"),
        verdict + std::strlen("VERIFIED: identical image data\n"))
        << "the library's difference stands next to the verdict";

    v.identicalImageData = false;
    v.pixels.differing = 4711;
    v.pixels.largestDifference = 37;
    EXPECT_EQ(VerdictLine(v), "NOT VERIFIED: 4711 of 307200 pixels differ (largest difference 37)");

    v.sourceMatches = false;
    EXPECT_EQ(VerdictLine(v), "NOT VERIFIED: the source differs from the recorded one");
    Verdict notVerified = v.Outcome();

    v.problem = "the export carries no record of where it came from";
    EXPECT_EQ(VerdictLine(v), "CANNOT VERIFY: the export carries no record of where it came from");
    EXPECT_EQ(ExitStatus({Verdict::Verified, notVerified}), 1);
    EXPECT_EQ(ExitStatus({Verdict::Verified, v.Outcome(), notVerified}), 2);
    EXPECT_EQ(ExitStatus({Verdict::Verified, Verdict::Verified}), 0);
}

TEST(StillVerdict, JsonKeepsTextsIntactAndEscapesWhatJsonMust) {
    Verification v = Checked();
    v.identicalImageData = false;
    v.pixels.differing = 12;
    std::string json = ReportJson(v);
    EXPECT_EQ(json.front(), '{');
    EXPECT_EQ(json.back(), '}');
    EXPECT_NE(json.find("\"export\": \"F:\\\\照片\\\\\\\"PLATE\\\".JPG\""), std::string::npos)
        << json;
    EXPECT_NE(json.find("\"verdict\": \"not verified\""), std::string::npos);
    EXPECT_NE(json.find("\"differing\": 12"), std::string::npos);
    EXPECT_NE(json.find("\"gamma\": 0.800000012"), std::string::npos);
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

} // namespace
