#include "printed_record.h"
#include "sample_record.h"

#include <gtest/gtest.h>

namespace {

TEST(PrintedRecord, TiesThePageToItsSourceWithTheRecordsKeysAndSaysItsScale) {
    ExportRecord record =
        SampleRecord("C:\\\xE8\xA8\xBC\xE6\x8B\xA0\\cam03.bmp", std::string(64, 'e'));
    // 2478 pixels at 300 dpi are 209.8 mm.
    std::vector<std::string> expected = {
        "program: StillView 1.0.0.1",
        "source: C:\\\xE8\xA8\xBC\xE6\x8B\xA0\\cam03.bmp",
        "source sha256: " + std::string(64, 'e'),
        "source pixels: 704 x 576",
        "view in source: x 132 y 48 width 512 height 420 of 704 x 576",
        "gamma: 0.8",
        "interpolation: 7 (high-quality bicubic)",
        "printed: 2026-12-07T08:15:02+01:00",
        "scale: picture width 209.8 mm = 512 source pixels",
    };
    EXPECT_EQ(PrintedRecordLines(record, 2478, 300), expected);
}

TEST(PrintedRecord, LongLinesBreakAfterASeparatorWithinTheWidthAndKeepPairsWhole) {
    auto tenPerUnit = [](const std::u16string& piece) {
        return static_cast<int>(piece.size()) * 10;
    };
    EXPECT_EQ(WrapToWidth(u"source: C:\\evidence\\cam03.bmp", 120, tenPerUnit),
              (std::vector<std::u16string>{u"source: C:\\", u"evidence\\", u"cam03.bmp"}));
    EXPECT_EQ(WrapToWidth(u"abcdefgh", 30, tenPerUnit),
              (std::vector<std::u16string>{u"abc", u"def", u"gh"}))
        << "no separator: as much as fits";
    EXPECT_EQ(WrapToWidth(u"short", 1000, tenPerUnit), std::vector<std::u16string>{u"short"});
    EXPECT_EQ(WrapToWidth(u"a\xD83D\xDCF7", 20, tenPerUnit),
              (std::vector<std::u16string>{u"a", u"\xD83D\xDCF7"}))
        << "a surrogate pair is one character";
    EXPECT_EQ(WrapToWidth(u"xy", 5, tenPerUnit), (std::vector<std::u16string>{u"x", u"y"}))
        << "narrower than one character: one each";
}

} // namespace
