// The record's copies in EXIF and XMP: the text conversions they rest on, and where they go.
#include "exif_segment.h"
#include "record_segments.h"
#include "record_summary.h"
#include "sample_record.h"
#include "utf16_text.h"
#include "xmp_segment.h"

#include <gtest/gtest.h>

namespace {

ExportRecord JapaneseRecord() {
    return SampleRecord("C:\\\xE8\xA8\xBC\xE6\x8B\xA0\\\xE3\x82\xAB\xE3\x83\xA1\xE3\x83\xA9 3.bmp",
                        std::string(64, 'c'));
}

TEST(Utf16Text, ConvertsEveryPlaneAndReplacesWhatIsMalformed) {
    EXPECT_EQ(Utf16FromUtf8("a\xC3\xA9\xE8\xA8\xBC\xF0\x9F\x93\xB7"),
              (std::u16string{u'a', 0x00E9, 0x8A3C, 0xD83D, 0xDCF7}));
    EXPECT_EQ(Utf16FromUtf8("\xC3"), std::u16string{0xFFFD}) << "truncated at the end";
    EXPECT_EQ(Utf16FromUtf8("\xC3x"), (std::u16string{0xFFFD, u'x'})) << "missing continuation";
    EXPECT_EQ(Utf16FromUtf8("\xC0\xAF"), (std::u16string{0xFFFD, 0xFFFD})) << "overlong";
    EXPECT_EQ(Utf16FromUtf8("\xED\xA0\x80"), (std::u16string{0xFFFD, 0xFFFD, 0xFFFD}))
        << "an encoded surrogate";
    EXPECT_EQ(Utf16LittleEndianBytes(u"A\x8A3C"), Bytes({'A', 0, 0x3C, 0x8A}));
}

TEST(RecordSummary, NamesTheFileAndViewInAsciiWhereAsciiIsAllAFieldTakes) {
    ExportRecord record = JapaneseRecord();
    std::string line = ViewSummaryLine(record);
    EXPECT_EQ(line, "View 120,40 466x350 of \xE3\x82\xAB\xE3\x83\xA1\xE3\x83\xA9 3.bmp, gamma 0.8");
    EXPECT_EQ(AsciiReplacing(line), "View 120,40 466x350 of ??? 3.bmp, gamma 0.8");
    EXPECT_EQ(AsciiReplacing("x\xF0\x9F\x93\xB7y"), "x?y") << "one mark for a character";
    EXPECT_EQ(FileNameOf("/media/cam03-0812.bmp"), "cam03-0812.bmp");
    EXPECT_EQ(ExifDateTime("2026-12-07T08:15:02+01:00"), "2026:12:07 08:15:02");
}

TEST(RecordSegments, GoBetweenTheJfifHeaderAndTheImageDataWhichStaysAsItWas) {
    const std::string start = Bytes({0xFF, 0xD8});
    const std::string jfif = Bytes({0xFF, 0xE0, 0x00, 0x07, 'J', 'F', 'I', 'F', 0});
    const std::string imageData =
        Bytes({0xFF, 0xDB, 0x00, 0x03, 9, 0xFF, 0xDA, 0x00, 0x02, 7, 7, 0xFF, 0xD9});
    ExportRecord record = JapaneseRecord();
    std::string exif = ExifSegment(record);
    std::string xmp = XmpSegment(record);
    ASSERT_EQ(exif.compare(0, 8, Bytes({0xFF, 0xE1}) + exif.substr(2, 2) + "Exif"), 0);
    ASSERT_EQ(xmp.compare(4, 29, std::string("http://ns.adobe.com/xap/1.0/\0", 29)), 0);

    std::string result;
    ASSERT_TRUE(InsertRecordSegments(start + jfif + imageData, record, &result));
    std::string comment = ProvenanceText(record);
    std::size_t commentLength = comment.size() + 2;
    EXPECT_EQ(result, start + jfif + exif + xmp +
                          Bytes({0xFF, 0xFE, static_cast<int>(commentLength >> 8),
                                 static_cast<int>(commentLength & 0xFF)}) +
                          comment + imageData);

    ASSERT_TRUE(InsertRecordSegments(start + imageData, record, &result));
    EXPECT_EQ(result.substr(0, 2 + exif.size()), start + exif) << "no JFIF header, EXIF first";

    record.sourcePath = std::string(40000, 'p');
    result = "untouched";
    EXPECT_FALSE(InsertRecordSegments(start + jfif + imageData, record, &result))
        << "a record too long for a segment is no record at all";
    EXPECT_EQ(result, "untouched");
}

TEST(RecordSegments, XmpEscapesThePathAndNamesTheSourceByItsHash) {
    ExportRecord record = JapaneseRecord();
    record.sourcePath = "C:\\a&b\\<c>.bmp";
    std::string packet = XmpPacket(record);
    EXPECT_NE(packet.find("<stRef:filePath>C:\\a&amp;b\\&lt;c&gt;.bmp</stRef:filePath>"),
              std::string::npos);
    EXPECT_NE(packet.find("<stRef:documentID>sha256:" + record.sourceSha256), std::string::npos);
    EXPECT_EQ(ExportEventParameters(record),
              "cropped to x 132 y 48 width 512 height 420 of 704 x 576 source pixels; gamma 0.8; "
              "interpolation 7 (high-quality bicubic); resized to 640 x 480; JPEG quality 100");
    record.sourceSha256.clear();
    EXPECT_EQ(XmpPacket(record).find("documentID"), std::string::npos) << "no hash, no identifier";
}

} // namespace
