// The real program, started and closed as a user would, and what it leaves behind.
#include "viewer_process.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <vector>

namespace {

constexpr int kHorizontalBar = 1000;
constexpr int kVerticalBar = 1001;

std::wstring SampleFolder() {
    return SourcePath("res/sample");
}

TEST(ViewerRun, EmptyCommandLineShowsTheSamplePictureOfTheCurrentFolder) {
    ViewerProcess viewer(L"", SampleFolder());
    ASSERT_TRUE(viewer.Started());
    HWND hWnd = viewer.WaitForWindow();
    ASSERT_NE(hWnd, nullptr);
    // The bars span the 640 x 480 working picture only when the sample loaded.
    EXPECT_EQ(ScrollMax(hWnd, kHorizontalBar), 639);
    EXPECT_EQ(ScrollMax(hWnd, kVerticalBar), 479);
    DWORD exitCode = 1;
    ASSERT_TRUE(viewer.Close(&exitCode));
    EXPECT_EQ(exitCode, 0u);
}

TEST(ViewerRun, QuotedPathWithBlanksIsShown) {
    std::wstring folder = TempFolder() + L"\\stillview e2e";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    std::wstring copy = folder + L"\\cam 03 still.bmp";
    ASSERT_TRUE(::CopyFileW((SampleFolder() + L"\\b-320b.bmp").c_str(), copy.c_str(), FALSE));
    {
        ViewerProcess viewer(L"\"" + copy + L"\"", L"");
        HWND hWnd = viewer.WaitForWindow();
        ASSERT_NE(hWnd, nullptr);
        EXPECT_EQ(ScrollMax(hWnd, kHorizontalBar), 639);
        DWORD exitCode = 1;
        EXPECT_TRUE(viewer.Close(&exitCode));
    }
    ::DeleteFileW(copy.c_str());
    ::RemoveDirectoryW(folder.c_str());
}

TEST(ViewerRun, SecondCopyEndsAtOnceWithoutAWindowAndLeavesTheFirstAlone) {
    ViewerProcess first(L"", SampleFolder());
    HWND hFirst = first.WaitForWindow();
    ASSERT_NE(hFirst, nullptr);

    ViewerProcess second(L"", SampleFolder());
    DWORD secondExit = 1;
    ASSERT_TRUE(second.WaitForExit(10000, &secondExit));
    EXPECT_EQ(second.FindWindow(), nullptr);
    EXPECT_TRUE(::IsWindowVisible(hFirst));
    EXPECT_EQ(first.FindWindow(), hFirst);

    DWORD firstExit = 1;
    ASSERT_TRUE(first.Close(&firstExit));
    EXPECT_EQ(firstExit, 0u);

    ViewerProcess third(L"", SampleFolder());
    HWND hThird = third.WaitForWindow();
    EXPECT_NE(hThird, nullptr) << "a new copy starts once the first has ended";
    DWORD thirdExit = 1;
    EXPECT_TRUE(third.Close(&thirdExit));
}

// Every value under a registry key and its subkeys, as "path\\name=bytes".
void DumpKey(HKEY hRoot, const std::wstring& path, std::set<std::wstring>* entries) {
    HKEY hKey = nullptr;
    if (::RegOpenKeyExW(hRoot, path.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS) {
        return;
    }
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        DWORD nameLength = 256;
        BYTE data[2048];
        DWORD dataLength = sizeof data;
        if (::RegEnumValueW(hKey, i, name, &nameLength, nullptr, nullptr, data, &dataLength) !=
            ERROR_SUCCESS) {
            break;
        }
        entries->insert(path + L"\\" + name + L"=" +
                        std::wstring(reinterpret_cast<wchar_t*>(data), dataLength / 2));
    }
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        DWORD nameLength = 256;
        if (::RegEnumKeyExW(hKey, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        DumpKey(hRoot, path + L"\\" + name, entries);
    }
    ::RegCloseKey(hKey);
}

std::set<std::wstring> Settings() {
    std::set<std::wstring> entries;
    DumpKey(HKEY_CURRENT_USER, L"Software\\Varnolt\\StillView", &entries);
    return entries;
}

// A whole shift of starts and Escapes: nothing piles up and only one copy ever runs. The test
// command runs a few dozen; STILLVIEW_START_STOP_RUNS=1000 runs the long version.
TEST(ViewerRun, RepeatedStartsAndEscapesLeaveNothingBehind) {
    const char* requested = std::getenv("STILLVIEW_START_STOP_RUNS");
    int runs = requested != nullptr ? std::atoi(requested) : 30;
    auto startAndEscape = [] {
        ViewerProcess viewer(L"", SampleFolder());
        HWND hWnd = viewer.WaitForWindow();
        ASSERT_NE(hWnd, nullptr);
        ::PostMessageW(hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
        DWORD exitCode = 1;
        ASSERT_TRUE(viewer.WaitForExit(20000, &exitCode));
        ASSERT_EQ(exitCode, 0u);
    };
    startAndEscape();
    std::set<std::wstring> temporary = ViewerTemporaryFiles();
    std::set<std::wstring> settings = Settings();
    for (int i = 0; i < runs && !testing::Test::HasFatalFailure(); ++i) {
        startAndEscape();
    }
    EXPECT_EQ(ViewerTemporaryFiles(), temporary);
    EXPECT_EQ(Settings(), settings);

    ViewerProcess first(L"", SampleFolder());
    ASSERT_NE(first.WaitForWindow(), nullptr);
    ViewerProcess second(L"", SampleFolder());
    DWORD secondExit = 1;
    EXPECT_TRUE(second.WaitForExit(10000, &secondExit)) << "the guard still turns a copy away";
    DWORD firstExit = 1;
    EXPECT_TRUE(first.Close(&firstExit));
}

// Each malformed file in its own process: the imaging library must never see it.
class MalformedPicture : public testing::TestWithParam<std::wstring> {};

TEST_P(MalformedPicture, GivesAnEmptyViewAndANormalExit) {
    std::wstring path = SourcePath("tests/corpus/malformed") + L"\\" + GetParam();
    ViewerProcess viewer(path, L"");
    HWND hWnd = viewer.WaitForWindow();
    ASSERT_NE(hWnd, nullptr) << "the viewer did not come up";
    EXPECT_EQ(ScrollMax(hWnd, kHorizontalBar), 0);
    EXPECT_EQ(ScrollMax(hWnd, kVerticalBar), 0);
    DWORD exitCode = 1;
    ASSERT_TRUE(viewer.Close(&exitCode));
    EXPECT_EQ(exitCode, 0u);
}

std::vector<std::wstring> MalformedFiles() {
    std::set<std::wstring> names = FileNames(SourcePath("tests/corpus/malformed"), L"*");
    return std::vector<std::wstring>(names.begin(), names.end());
}

std::string FileTestName(const testing::TestParamInfo<std::wstring>& info) {
    std::string name;
    for (wchar_t c : info.param) {
        name += iswalnum(c) ? static_cast<char>(c) : '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Corpus, MalformedPicture, testing::ValuesIn(MalformedFiles()),
                         FileTestName);

} // namespace
