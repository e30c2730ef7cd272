#include "jpeg_comment.h"
#include "provenance.h"
#include "sample_record.h"

#include <gtest/gtest.h>

namespace {

const std::string kStart = Bytes({0xFF, 0xD8});
const std::string kJfif = Bytes({0xFF, 0xE0, 0x00, 0x07, 'J', 'F', 'I', 'F', 0});
const std::string kExif = Bytes({0xFF, 0xE1, 0x00, 0x04, 1, 2});
const std::string kTables =
    Bytes({0xFF, 0xDB, 0x00, 0x03, 9, 0xFF, 0xDA, 0x00, 0x02, 7, 7, 0xFF, 0xD9});

TEST(JpegComment, GoesAfterTheApplicationSegmentsAndChangesNothingElse) {
    std::string result;
    ASSERT_TRUE(InsertJpegComment(kStart + kJfif + kExif + kTables, "ab", &result));
    EXPECT_EQ(result, kStart + kJfif + kExif + Bytes({0xFF, 0xFE, 0x00, 0x04, 'a', 'b'}) + kTables);

    ASSERT_TRUE(InsertJpegComment(kStart + kTables, "", &result));
    EXPECT_EQ(result, kStart + kTables) << "no text, no segment";
}

TEST(JpegComment, LongTextIsSplitAcrossSegmentsOfAtMostTheLargestLength) {
    std::string text(70000, 'x');
    std::string result;
    ASSERT_TRUE(InsertJpegComment(kStart + kTables, text, &result));
    ASSERT_EQ(result.size(), kStart.size() + 70000 + 2 * 4 + kTables.size());
    EXPECT_EQ(result.substr(2, 4), Bytes({0xFF, 0xFE, 0xFF, 0xFF}));
    EXPECT_EQ(result.substr(2 + 4 + 65533, 4), Bytes({0xFF, 0xFE, 0x11, 0x75}));
    EXPECT_EQ(result.substr(result.size() - kTables.size()), kTables);
}

TEST(JpegComment, RefusesWhatIsNotAWholeJpegStart) {
    std::string result = "untouched";
    EXPECT_FALSE(InsertJpegComment("BM....", "x", &result));
    EXPECT_FALSE(InsertJpegComment(kStart, "x", &result));
    EXPECT_FALSE(InsertJpegComment(kStart + Bytes({0xFF, 0xE0, 0x00, 0x40, 1}), "x", &result))
        << "an application segment longer than the file";
    EXPECT_EQ(result, "untouched");
}

TEST(Provenance, ViewIsScaledToTheOriginalPicture) {
    PixelRect inSource = ViewInSource({120, 40, 466, 350}, 640, 480, 704, 576);
    EXPECT_EQ(inSource.x, 132);
    EXPECT_EQ(inSource.y, 48);
    EXPECT_EQ(inSource.width, 512) << "right edge 586 maps to 644.6, truncated";
    EXPECT_EQ(inSource.height, 420);

    PixelRect big = ViewInSource({639, 479, 1, 1}, 640, 480, 6000, 4000);
    EXPECT_EQ(big.x, 5990);
    EXPECT_EQ(big.width, 10);
    EXPECT_EQ(big.y, 3991);
    EXPECT_EQ(big.height, 9);

    PixelRect none = ViewInSource({0, 0, 640, 480}, 0, 0, 704, 576);
    EXPECT_EQ(none.width, 0) << "no working picture, no division";
}

TEST(Provenance, RecordReadsAsKeyValueLines) {
    ExportRecord record = SampleRecord("C:\\cam\\still 03.bmp", "ab12");
    EXPECT_EQ(ProvenanceText(record),
              "program: StillView 1.0.0.1\n"
              "source: C:\\cam\\still 03.bmp\n"
              "source bytes: 1216566\n"
              "source sha256: ab12\n"
              "source pixels: 704 x 576\n"
              "view in working picture: x 120 y 40 width 466 height 350 of 640 x 480\n"
              "view in source: x 132 y 48 width 512 height 420 of 704 x 576\n"
              "gamma: 0.8\n"
              "interpolation: 7 (high-quality bicubic)\n"
              "exported: 2026-12-07T08:15:02+01:00\n"
              "gamma exact: 0.800000012\n"
              "jpeg quality: 100\n"
              "imaging library: gdiplus.dll 5.1.3102.2180\n");
    record.sourceSha256.clear();
    EXPECT_NE(ProvenanceText(record).find("source sha256: unavailable\n"), std::string::npos);
}

} // namespace
