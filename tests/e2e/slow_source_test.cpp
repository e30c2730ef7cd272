// The real program showing a picture from a medium whose later part reads slowly, so that the
// hash of the picture file is held in a read there. slow-source.sh makes the medium and names the
// picture on it (STILLVIEW_SLOW_PICTURE) and the log of held reads (STILLVIEW_SLOW_LOG).
#include "viewer_process.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring Environment(const wchar_t* name) {
    wchar_t value[1024] = L"";
    ::GetEnvironmentVariableW(name, value, 1024);
    return value;
}

// Whether the medium has begun holding a read, waiting up to the deadline.
bool WaitForHeldRead(const std::wstring& log, DWORD timeoutMs) {
    DWORD start = ::GetTickCount();
    do {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (::GetFileAttributesExW(log.c_str(), GetFileExInfoStandard, &data) &&
            data.nFileSizeLow > 0) {
            return true;
        }
        ::Sleep(20);
    } while (::GetTickCount() - start < timeoutMs);
    return false;
}

TEST(SlowSource, ClosingWhileTheHashWaitsOnTheMediumEndsTheProgramForTheNextStart) {
    const std::wstring picture = Environment(L"STILLVIEW_SLOW_PICTURE");
    ASSERT_FALSE(picture.empty()) << "run through slow-source.sh";
    ViewerProcess first(picture, L"");
    ASSERT_NE(first.WaitForWindow(), nullptr);
    ASSERT_TRUE(WaitForHeldRead(Environment(L"STILLVIEW_SLOW_LOG"), 20000))
        << "the picture's hash never reached the slow part of the medium";

    DWORD exitCode = 1;
    ASSERT_TRUE(first.Close(&exitCode)) << "the program lingers after its window has gone";
    EXPECT_EQ(exitCode, 0u);

    ViewerProcess second(picture, L"");
    EXPECT_NE(second.WaitForWindow(), nullptr) << "the next start was turned away";
    EXPECT_TRUE(second.Close(&exitCode));
}

} // namespace
