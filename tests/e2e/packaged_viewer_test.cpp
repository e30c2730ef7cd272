// The viewer as the release zip delivers it, started from a read-only folder on the picture
// beside it, saving a brightened view on an export disk. packaged-viewer.sh unpacks the zip,
// makes F: a fixed disk labelled "DOVOZIZ", and verifies the saved F:\PLATE.JPG afterwards.
#include "save_as_window.h"

#include <gtest/gtest.h>

namespace {

constexpr int kBrighter = 1003;

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

TEST(PackagedViewer, SavesABrightenedViewOfThePictureBesideIt) {
    // An empty command line opens the recorder's picture in the current folder.
    ViewerProcess viewer(L"", FolderOf(ViewerExecutable()));
    ASSERT_TRUE(viewer.Started()) << "error " << viewer.StartError();
    HWND hViewer = viewer.WaitForWindow();
    ASSERT_NE(hViewer, nullptr);
    Click(hViewer, kBrighter);

    HWND hSaveAs = OpenSaveAs(viewer, hViewer);
    ASSERT_NE(hSaveAs, nullptr);
    int drive = EntryOfDrive(DriveEntries(hSaveAs), L"F:");
    ASSERT_GE(drive, 0) << "the export disk is offered";
    SaveOn(hSaveAs, drive, L"plate");
    Shown done = Answer(viewer.WaitForDialog(kResultCaption), IDOK);
    EXPECT_EQ(done.text, L"\tF:\\PLATE.JPG\n\n\t   has been saved successfully.\t\t");
    ASSERT_TRUE(BackToViewer(viewer, hViewer));

    DWORD exitCode = 1;
    ASSERT_TRUE(viewer.Close(&exitCode));
    EXPECT_EQ(exitCode, 0u);
}

} // namespace
