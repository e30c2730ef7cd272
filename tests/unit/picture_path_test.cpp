#include "picture_path.h"

#include <gtest/gtest.h>

namespace {

TEST(PicturePath, EmptyCommandLineOpensTheDefaultPictureInTheCurrentFolder) {
    EXPECT_EQ(PicturePathFromCommandLine(L""), L"b-320b.bmp");
}

TEST(PicturePath, PathIsTakenAsItStandsWithBlanksKept) {
    EXPECT_EQ(PicturePathFromCommandLine(L"D:\\DVR 1\\cam 03.bmp"), L"D:\\DVR 1\\cam 03.bmp");
    EXPECT_EQ(PicturePathFromCommandLine(L"pic.bmp  "), L"pic.bmp  ");
    EXPECT_EQ(PicturePathFromCommandLine(L"-x pic.bmp"), L"-x pic.bmp");
}

TEST(PicturePath, OnePairOfQuotesAroundTheWholeTextIsRemoved) {
    EXPECT_EQ(PicturePathFromCommandLine(L"\"D:\\DVR 1\\cam 03.bmp\""), L"D:\\DVR 1\\cam 03.bmp");
    EXPECT_EQ(PicturePathFromCommandLine(L"\"\"a.bmp\"\""), L"\"a.bmp\"");
}

TEST(PicturePath, QuotesThatDoNotEncloseTheWholeTextStay) {
    EXPECT_EQ(PicturePathFromCommandLine(L"\"a b.bmp\" "), L"\"a b.bmp\" ");
    EXPECT_EQ(PicturePathFromCommandLine(L"\"a.bmp"), L"\"a.bmp");
    EXPECT_EQ(PicturePathFromCommandLine(L"\""), L"\"");
}

TEST(PicturePath, EmptyQuotesNameNoFileRatherThanTheDefault) {
    EXPECT_EQ(PicturePathFromCommandLine(L"\"\""), L"");
}

TEST(PicturePath, TextThatDoesNotFitTheBufferWithItsTerminatorNamesNoFile) {
    std::wstring fits(kPicturePathCapacity - 1, L'a');
    std::wstring tooLong(kPicturePathCapacity, L'a');
    EXPECT_EQ(PicturePathFromCommandLine(fits), fits);
    EXPECT_EQ(PicturePathFromCommandLine(tooLong), L"");
}

} // namespace
