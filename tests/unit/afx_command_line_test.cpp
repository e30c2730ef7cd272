#include "afx_command_line.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring Tail(const wchar_t* commandLine) {
    return AfxSkipProgramName(commandLine);
}

TEST(CommandLineTail, SkipsQuotedProgramNameWithBlanksInside) {
    EXPECT_EQ(Tail(L"\"C:\\Program Files\\StillView.exe\" D:\\pic.bmp"), L"D:\\pic.bmp");
}

TEST(CommandLineTail, SkipsUnquotedProgramName) {
    EXPECT_EQ(Tail(L"StillView.exe D:\\pic.bmp"), L"D:\\pic.bmp");
}

TEST(CommandLineTail, SkipsBlanksAndControlCharactersAfterTheName) {
    EXPECT_EQ(Tail(L"StillView.exe \t\r\n  pic.bmp"), L"pic.bmp");
}

TEST(CommandLineTail, KeepsInnerAndTrailingBlanksAndQuotesOfTheArgument) {
    EXPECT_EQ(Tail(L"x.exe \"my pic.bmp\"  "), L"\"my pic.bmp\"  ");
    EXPECT_EQ(Tail(L"x.exe my pic.bmp "), L"my pic.bmp ");
}

TEST(CommandLineTail, IsEmptyWithoutArguments) {
    EXPECT_EQ(Tail(L"\"x.exe\""), L"");
    EXPECT_EQ(Tail(L"x.exe   "), L"");
    EXPECT_EQ(Tail(L""), L"");
}

TEST(CommandLineTail, StopsAtTheEndOfAnUnterminatedQuote) {
    EXPECT_EQ(Tail(L"\"x.exe pic.bmp"), L"");
}

} // namespace
