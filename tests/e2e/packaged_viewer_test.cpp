// The viewer as the release zip delivers it, either build, started from a read-only folder on the
// picture beside it: zoomed, brightened, saved on an export disk, printed and closed as a user
// does. packaged-viewer.sh unpacks the zip, makes F: a fixed disk labelled "DOVOZIZ", and checks
// the saved F:\PLATE.JPG and the printed page afterwards.
#include "save_as_window.h"

#include <gtest/gtest.h>

namespace {

constexpr int kHorizontalBar = 1000;
constexpr int kBrighter = 1003;
constexpr int kPrint = 1007;
constexpr int kZoomIn = 1008;
// Deadlines only: the 32-bit build may run emulated, several times slower than natively.
constexpr DWORD kPatience = 120000;

std::wstring FolderOf(const std::wstring& path) {
    return path.substr(0, path.find_last_of(L'\\'));
}

int EntryOfDrive(const std::vector<std::wstring>& entries, const std::wstring& drive) {
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].find(L"(" + drive + L"\\)") != std::wstring::npos) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

UINT BarPage(HWND hViewer) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_PAGE;
    ::GetScrollInfo(::GetDlgItem(hViewer, kHorizontalBar), SB_CTL, &info);
    return info.nPage;
}

bool PageShrinksBelow(HWND hViewer, UINT page) {
    DWORD start = ::GetTickCount();
    while (BarPage(hViewer) >= page) {
        if (::GetTickCount() - start > kPatience) {
            return false;
        }
        ::Sleep(20);
    }
    return true;
}

TEST(PackagedViewer, ZoomsBrightensSavesAndPrintsThePictureBesideIt) {
    // An empty command line opens the recorder's picture in the current folder.
    ViewerProcess viewer(L"", FolderOf(ViewerExecutable()));
    ASSERT_TRUE(viewer.Started()) << "error " << viewer.StartError();
    HWND hViewer = viewer.WaitForWindow(kPatience);
    ASSERT_NE(hViewer, nullptr);

    for (int step = 0; step < 2; ++step) {
        UINT page = BarPage(hViewer);
        Click(hViewer, kZoomIn);
        ASSERT_TRUE(PageShrinksBelow(hViewer, page)) << "zoom step " << step;
    }
    Click(hViewer, kBrighter);

    HWND hSaveAs = OpenSaveAs(viewer, hViewer, kPatience);
    ASSERT_NE(hSaveAs, nullptr);
    int drive = EntryOfDrive(DriveEntries(hSaveAs), L"F:");
    ASSERT_GE(drive, 0) << "the export disk is offered";
    SaveOn(hSaveAs, drive, L"plate");
    Shown done = Answer(viewer.WaitForDialog(kResultCaption, kPatience), IDOK);
    EXPECT_EQ(done.text, L"\tF:\\PLATE.JPG\n\n\t   has been saved successfully.\t\t");
    ASSERT_TRUE(BackToViewer(viewer, hViewer, kPatience));

    Click(hViewer, kPrint);
    HWND hPrint = viewer.WaitForDialog(L"Print", kPatience);
    ASSERT_NE(hPrint, nullptr);
    Click(hPrint, IDOK);
    Shown printed = Answer(viewer.WaitForDialog(kResultCaption, kPatience), IDOK);
    EXPECT_EQ(printed.text, L"Print job done.");
    EXPECT_FALSE(printed.icon);
    ASSERT_TRUE(BackToViewer(viewer, hViewer, kPatience));

    DWORD exitCode = 1;
    ASSERT_TRUE(viewer.Close(&exitCode, kPatience));
    EXPECT_EQ(exitCode, 0u);
}

} // namespace
