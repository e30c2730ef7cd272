// Which recorded paths the verifier may open by itself.
#include "verify/recorded_source.h"

#include <gtest/gtest.h>

TEST(RecordedSource, OnlyFilesOnADriveLetterAreOpened) {
    for (const wchar_t* path :
         {L"C:\\cam\\b-320b.bmp", L"d:/recorder/still 03.jpg", L"\\\\?\\C:\\cam\\x.bmp",
          L"E:\\LPT10.bmp", L"E:\\console.bmp", L"C:\\cam\\aux-camera.bmp"}) {
        EXPECT_TRUE(IsDriveLetterFilePath(path)) << path;
    }
    for (const wchar_t* path :
         {L"\\\\127.0.0.1\\share\\x.bmp", L"//server/share/x.bmp",
          L"\\\\?\\UNC\\server\\share\\x.bmp", L"\\\\.\\pipe\\x", L"\\\\.\\C:", L"CONIN$", L"x.bmp",
          L"C:x.bmp", L"\\cam\\x.bmp", L"", L"C:\\", L"C:\\cam\\NUL.bmp", L"C:\\com1\\x.bmp",
          L"C:\\cam\\conout$", L"C:\\cam\\Aux .jpg", L"C:\\cam\\LPT9"}) {
        EXPECT_FALSE(IsDriveLetterFilePath(path)) << path;
    }
}
