// Whatever the command line names, the real program comes up at once with the picture or an
// empty view, ends on Escape with exit code 0 and leaves nothing in the temporary folder.
#include "image_magick.h"
#include "viewer_process.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

namespace {

constexpr int kHorizontalBar = 1000;
constexpr int kPictureBarMax = 639;
// "A few seconds": the window must be up by then, whatever the file.
constexpr DWORD kShowDeadlineMs = 8000;

std::string ReadFile(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFile(const std::wstring& path, const std::string& bytes) {
    std::ofstream(path.c_str(), std::ios::binary) << bytes;
}

// The folder the generated files of this run go to.
std::wstring WorkFolder() {
    static const std::wstring folder = [] {
        std::wstring path = TempFolder() + L"\\stillview-bad-lines";
        ::CreateDirectoryW(path.c_str(), nullptr);
        return path;
    }();
    return folder;
}

std::wstring Sample() {
    return SourcePath("res/sample/b-320b.bmp");
}

// Starts the viewer, checks it comes up in time showing the picture or nothing, presses
// Escape and checks the exit. Returns the scroll range seen (-1 when no window came).
int RunAndEscape(const std::wstring& commandTail) {
    std::set<std::wstring> before = ViewerTemporaryFiles();
    ViewerProcess viewer(commandTail, WorkFolder());
    EXPECT_TRUE(viewer.Started()) << "error " << viewer.StartError();
    DWORD start = ::GetTickCount();
    HWND hWnd = viewer.WaitForWindow(kShowDeadlineMs);
    EXPECT_NE(hWnd, nullptr) << "no window within " << kShowDeadlineMs << " ms";
    if (hWnd == nullptr) {
        return -1;
    }
    EXPECT_LT(::GetTickCount() - start, kShowDeadlineMs);
    int range = ScrollMax(hWnd, kHorizontalBar);
    EXPECT_TRUE(range == 0 || range == kPictureBarMax) << "range " << range;
    ::PostMessageW(hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
    DWORD exitCode = 1;
    EXPECT_TRUE(viewer.WaitForExit(10000, &exitCode)) << "Escape did not end it";
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(ViewerTemporaryFiles(), before);
    return range;
}

struct BadLine {
    const char* name;
    std::wstring commandTail;
    int expectedRange; // 0 empty view, 639 the picture
};

class BadCommandLine : public testing::TestWithParam<BadLine> {};

TEST_P(BadCommandLine, ShowsAtOnceAndEndsCleanly) {
    EXPECT_EQ(RunAndEscape(GetParam().commandTail), GetParam().expectedRange);
}

std::wstring Repeated(size_t length) {
    return L"C:\\" + std::wstring(length - 3, L'a');
}

std::wstring CopyOfSample(const std::wstring& name) {
    std::wstring folder = WorkFolder() + L"\\\u76e3\u8996 \u30ab\u30e1\u30e9";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    std::wstring path = folder + L"\\" + name;
    ::CopyFileW(Sample().c_str(), path.c_str(), FALSE);
    return path;
}

std::wstring EmptyFile() {
    std::wstring path = WorkFolder() + L"\\empty.bmp";
    WriteFile(path, "");
    return path;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BadCommandLine,
    testing::Values(BadLine{"Folder", SourcePath("res/sample"), 0}, BadLine{"Con", L"CON", 0},
                    BadLine{"Nul", L"NUL", 0}, BadLine{"Com1", L"COM1", 0},
                    BadLine{"NulWithExtension", L"NUL.BMP", 0},
                    BadLine{"MissingShare", L"\\\\nohost\\share\\still.bmp", 0},
                    BadLine{"JustUnderTheLimit", Repeated(1023), 0},
                    BadLine{"JustOverTheLimit", Repeated(1025), 0},
                    BadLine{"ThirtyTwoThousand", Repeated(32000), 0},
                    BadLine{"ChineseAndJapanesePath", CopyOfSample(L"\u756b\u50cf.bmp"),
                            kPictureBarMax},
                    BadLine{"ZeroBytes", EmptyFile(), 0}),
    [](const testing::TestParamInfo<BadLine>& info) { return std::string(info.param.name); });

TEST(BadCommandLineFile, HeldOpenForWritingWithoutSharingGivesTheEmptyView) {
    std::wstring path = WorkFolder() + L"\\locked.bmp";
    ::CopyFileW(Sample().c_str(), path.c_str(), FALSE);
    HANDLE hLock = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(hLock, INVALID_HANDLE_VALUE);
    EXPECT_EQ(RunAndEscape(path), 0);
    ::CloseHandle(hLock);
}

// Each of the five formats cut at every tenth of its length: the picture or the empty view,
// never a hang or a crash.
TEST(BadCommandLineFile, TruncatedPicturesOfEveryFormat) {
    std::string sampleHost = HostPath(Sample());
    for (const char* format : {"bmp", "jpg", "png", "gif", "tif"}) {
        std::wstring whole = WorkFolder() + L"\\whole." + std::wstring(format, format + 3);
        ASSERT_TRUE(RunHostCommand(
            "convert " + ShellQuoted(sampleHost) + " " + ShellQuoted(HostPath(whole)), nullptr))
            << format;
        std::string bytes = ReadFile(whole);
        ASSERT_GT(bytes.size(), 100u) << format;
        for (int tenth = 1; tenth <= 9; ++tenth) {
            std::wstring cut = WorkFolder() + L"\\cut" + std::to_wstring(tenth) + L"." +
                               std::wstring(format, format + 3);
            WriteFile(cut, bytes.substr(0, bytes.size() * tenth / 10));
            SCOPED_TRACE(std::string(format) + " cut at " + std::to_string(tenth) + "/10");
            RunAndEscape(cut);
        }
    }
}

} // namespace
