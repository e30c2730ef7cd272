// The real program saving to real drives: which drives it offers, what the command file and
// the remembered folder do, what it writes, and what a full disk or a missing medium leave.
// The drives are made by save-to-drives.sh before this runs:
//   A: floppy, no label        E: CD-ROM "PICS"          F: fixed "DOVOZIZ"
//   G: fixed "dovoziz"         K: fixed "DOVOZIZ" on a full disk, holding OLD.JPG
//   M: floppy whose folder is gone
#include "image_magick.h"
#include "save_as_window.h"
#include "viewer_process.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <vector>

namespace {

const wchar_t kSettingsKey[] = L"Software\\Varnolt\\StillView\\Path";

std::wstring RememberedFolder() {
    wchar_t value[MAX_PATH] = L"";
    DWORD bytes = sizeof value;
    if (::RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, L"SavePath", RRF_RT_REG_SZ, nullptr, value,
                       &bytes) != ERROR_SUCCESS) {
        return L"(none)";
    }
    return value;
}

std::string FileBytes(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class SaveToDrives : public testing::Test {
  protected:
    void SetUp() override {
        ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"SavePath");
        std::ofstream((startFolder + L"\\tgrn_cmd.txt").c_str()) << "recorder options: /ndra";
        temporaryBefore = ViewerTemporaryFiles();
        viewer = std::make_unique<ViewerProcess>(
            L"\"" + SourcePath("res/sample/b-320b.bmp") + L"\"", startFolder);
        hViewer = viewer->WaitForWindow();
    }

    // Presses the viewer's Save button and waits for the Save-As dialog.
    HWND OpenSaveAs() { return ::OpenSaveAs(*viewer, hViewer); }

    std::wstring startFolder = Environment(L"STILLVIEW_SAVE_START");
    std::set<std::wstring> temporaryBefore;
    std::unique_ptr<ViewerProcess> viewer;
    HWND hViewer = nullptr;
};

TEST_F(SaveToDrives, OffersThePermittedDrivesSavesAndReportsEveryOutcome) {
    ASSERT_NE(hViewer, nullptr);

    // The command file of the start folder keeps A: out; nothing remembered, so the first
    // drive is selected. Choosing F: makes it the current folder, then Cancel.
    HWND hDialog = OpenSaveAs();
    ASSERT_NE(hDialog, nullptr);
    EXPECT_EQ(DriveEntries(hDialog), (std::vector<std::wstring>{L"PICS (E:\\)", L"DOVOZIZ (F:\\) ",
                                                                L"DOVOZIZ (K:\\) ", L" (M:\\)"}));
    EXPECT_EQ(SelectedDrive(hDialog), 0);
    ChooseDrive(hDialog, 1);
    Click(hDialog, IDCANCEL);
    ASSERT_TRUE(BackToViewer(*viewer, hViewer)) << "Cancel shows no message";
    EXPECT_EQ(RememberedFolder(), L"(none)");
    EXPECT_TRUE(FileNames(L"F:", L"*").empty());

    // F:\ has no command file: A: is back, and the remembered "a:\" selects it.
    hDialog = OpenSaveAs();
    ASSERT_NE(hDialog, nullptr);
    ASSERT_EQ(DriveEntries(hDialog),
              (std::vector<std::wstring>{L" (A:\\)", L"PICS (E:\\)", L"DOVOZIZ (F:\\) ",
                                         L"DOVOZIZ (K:\\) ", L" (M:\\)"}));
    EXPECT_EQ(SelectedDrive(hDialog), 0);
    SaveOn(hDialog, 2, L"plate");
    Shown done = Answer(viewer->WaitForDialog(kResultCaption), IDOK);
    EXPECT_EQ(done.text, L"\tF:\\PLATE.JPG\n\n\t   has been saved successfully.\t\t");
    EXPECT_FALSE(done.icon);
    ASSERT_TRUE(BackToViewer(*viewer, hViewer));
    EXPECT_EQ(RememberedFolder(), L"F:\\") << "the folder, not the file";
    RgbPicture saved;
    ASSERT_TRUE(DecodeWithImageMagick(L"F:\\PLATE.JPG", &saved));
    EXPECT_EQ(saved.width, 640);
    EXPECT_EQ(saved.height, 480);

    // A full disk: the question for the listed OLD.JPG, then the disk-full message; the old
    // file is intact and nothing else is left.
    std::string oldBytes = FileBytes(L"K:\\OLD.JPG");
    ASSERT_FALSE(oldBytes.empty());
    hDialog = OpenSaveAs();
    ASSERT_NE(hDialog, nullptr);
    EXPECT_EQ(SelectedDrive(hDialog), 2) << "the remembered F:\\ is selected";
    SaveOn(hDialog, 3, L"old");
    Shown question = Answer(viewer->WaitForDialog(kCheckCaption), IDOK);
    EXPECT_EQ(question.text,
              L"\tThe file K:\\ OLD.JPG already exists. \t\n\tDo you want to replace it?");
    Shown full = Answer(viewer->WaitForDialog(kResultCaption), IDOK);
    EXPECT_EQ(full.text, L"\tThere is not enough space on the disk.");
    EXPECT_TRUE(full.icon);
    ASSERT_TRUE(BackToViewer(*viewer, hViewer));
    EXPECT_EQ(FileBytes(L"K:\\OLD.JPG"), oldBytes);
    EXPECT_EQ(FileNames(L"K:", L"*"), std::set<std::wstring>{L"OLD.JPG"});

    // A drive whose medium is gone.
    hDialog = OpenSaveAs();
    ASSERT_NE(hDialog, nullptr);
    SaveOn(hDialog, 4, L"plate");
    Shown failed = Answer(viewer->WaitForDialog(kResultCaption), IDOK);
    EXPECT_EQ(failed.text, L"M:\\PLATE.JPG\n  SAVE FAILED!");
    EXPECT_TRUE(failed.icon);
    ASSERT_TRUE(BackToViewer(*viewer, hViewer));

    EXPECT_GT(ViewerTemporaryFiles().size(), temporaryBefore.size())
        << "the running viewer keeps its temporary picture";
    DWORD exitCode = 1;
    ASSERT_TRUE(viewer->Close(&exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(ViewerTemporaryFiles(), temporaryBefore);
}

TEST_F(SaveToDrives, ASaveGoesToTheDriveShownNotToARememberedOneTheRulesKeepOut) {
    ASSERT_NE(hViewer, nullptr);
    // Nothing remembered means "a:\", which the start folder's command file keeps out; the
    // dialog shows E: first, and a save without a choice goes there.
    HWND hDialog = OpenSaveAs();
    ASSERT_NE(hDialog, nullptr);
    EXPECT_EQ(DriveEntries(hDialog).front(), L"PICS (E:\\)");
    EXPECT_EQ(SelectedDrive(hDialog), 0);
    SaveHere(hDialog, L"shown");
    Shown done = Answer(viewer->WaitForDialog(kResultCaption), IDOK);
    EXPECT_EQ(done.text, L"\tE:\\SHOWN.JPG\n\n\t   has been saved successfully.\t\t");
    ASSERT_TRUE(BackToViewer(*viewer, hViewer));
    EXPECT_TRUE(FileNames(L"A:", L"SHOWN.JPG").empty()) << "nothing on the drive kept out";
    EXPECT_EQ(RememberedFolder(), L"E:\\");
    DWORD exitCode = 1;
    ASSERT_TRUE(viewer->Close(&exitCode));
}

} // namespace
