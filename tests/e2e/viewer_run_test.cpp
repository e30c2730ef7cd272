// The real program, started and closed as a user would, and what it leaves behind.
#include "viewer_process.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

constexpr int kHorizontalBar = 1000;
constexpr int kVerticalBar = 1001;

std::wstring SampleFolder() {
    return SourcePath("res/sample");
}

// Every name in a folder that matches the pattern.
std::set<std::wstring> FilesMatching(const std::wstring& folder, const std::wstring& pattern) {
    std::set<std::wstring> names;
    WIN32_FIND_DATAW data;
    HANDLE find = ::FindFirstFileW((folder + L"\\" + pattern).c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
                names.insert(data.cFileName);
            }
        } while (::FindNextFileW(find, &data));
        ::FindClose(find);
    }
    return names;
}

std::wstring TempFolder() {
    wchar_t folder[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    std::wstring path = folder;
    if (!path.empty() && path.back() == L'\\') {
        path.pop_back();
    }
    return path;
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

TEST(ViewerRun, ClosingLeavesNoTemporaryFileBehind) {
    std::set<std::wstring> before = FilesMatching(TempFolder(), L"Int*");
    ViewerProcess viewer(L"", SampleFolder());
    ASSERT_NE(viewer.WaitForWindow(), nullptr);
    EXPECT_GT(FilesMatching(TempFolder(), L"Int*").size(), before.size())
        << "the running viewer reserves its temporary name";
    DWORD exitCode = 1;
    ASSERT_TRUE(viewer.Close(&exitCode));
    EXPECT_EQ(FilesMatching(TempFolder(), L"Int*"), before);
}

TEST(ViewerRun, KeepsItsSettingsUnderTheVarnoltKeyNamedAfterTheExecutable) {
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Varnolt\\StillView");
    ViewerProcess viewer(L"", SampleFolder());
    ASSERT_NE(viewer.WaitForWindow(), nullptr);
    DWORD exitCode = 1;
    ASSERT_TRUE(viewer.Close(&exitCode));
    HKEY hKey = nullptr;
    // The standard settings are written back at exit, under the application's own key.
    EXPECT_EQ(
        ::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Varnolt\\StillView", 0, KEY_READ, &hKey),
        ERROR_SUCCESS);
    if (hKey != nullptr) {
        ::RegCloseKey(hKey);
    }
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
    std::set<std::wstring> names = FilesMatching(SourcePath("tests/corpus/malformed"), L"*");
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
