// The real program saving to real drives: which drives it offers, what the command file and
// the remembered folder do, what it writes, and what a full disk or a missing medium leave.
// The drives are made by save-to-drives.sh before this runs:
//   A: floppy, no label        E: CD-ROM "PICS"          F: fixed "DOVOZIZ"
//   G: fixed "dovoziz"         K: fixed "DOVOZIZ" on a full disk, holding OLD.JPG
//   M: floppy whose folder is gone
#include "image_magick.h"
#include "viewer_process.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <vector>

namespace {

constexpr int kSave = 1006;
constexpr int kDrives = 1005;
constexpr int kFileName = 1023;
constexpr int kBoxText = 0xFFFF;
constexpr int kBoxIcon = 0x0440;
const wchar_t kSaveAsCaption[] = L"Varnolt -- Save As JPEG File";
const wchar_t kCheckCaption[] = L"Varnolt -- Save As";
const wchar_t kResultCaption[] = L"Varnolt Digital Recorder KT-410";
const wchar_t kSettingsKey[] = L"Software\\Varnolt\\StillView\\Path";

std::wstring Environment(const wchar_t* name) {
    wchar_t value[1024] = L"";
    ::GetEnvironmentVariableW(name, value, 1024);
    return value;
}

std::wstring Text(HWND hWnd) {
    wchar_t text[1024] = L"";
    ::SendMessageW(hWnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return text;
}

void Click(HWND hDialog, int nID) {
    ::PostMessageW(hDialog, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(hDialog, nID)));
}

std::vector<std::wstring> DriveEntries(HWND hDialog) {
    HWND hCombo = ::GetDlgItem(hDialog, kDrives);
    std::vector<std::wstring> entries;
    int count = static_cast<int>(::SendMessageW(hCombo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = L"";
        ::SendMessageW(hCombo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        entries.push_back(text);
    }
    return entries;
}

int SelectedDrive(HWND hDialog) {
    return static_cast<int>(::SendDlgItemMessageW(hDialog, kDrives, CB_GETCURSEL, 0, 0));
}

void ChooseDrive(HWND hDialog, int index) {
    HWND hCombo = ::GetDlgItem(hDialog, kDrives);
    ::SendMessageW(hCombo, CB_SETCURSEL, index, 0);
    ::SendMessageW(hDialog, WM_COMMAND, MAKEWPARAM(kDrives, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(hCombo));
}

struct Shown {
    std::wstring text;
    // Icon handles are the showing process's own, so from outside only their presence is
    // seen; which icon it is, the in-process tests check.
    bool icon = false;
};

// Reads a message box and presses one of its buttons.
Shown Answer(HWND hBox, int button) {
    Shown shown;
    if (hBox == nullptr) {
        return shown;
    }
    shown.text = Text(::GetDlgItem(hBox, kBoxText));
    HWND hIcon = ::GetDlgItem(hBox, kBoxIcon);
    shown.icon = hIcon != nullptr && ::IsWindowVisible(hIcon) &&
                 ::SendMessageW(hIcon, STM_GETICON, 0, 0) != 0;
    Click(hBox, button);
    return shown;
}

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
    HWND OpenSaveAs() {
        Click(hViewer, kSave);
        return viewer->WaitForDialog(kSaveAsCaption);
    }

    void SaveOn(HWND hDialog, int drive, const wchar_t* name) {
        ChooseDrive(hDialog, drive);
        ::SendDlgItemMessageW(hDialog, kFileName, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name));
        Click(hDialog, kSave);
    }

    bool BackToViewer() {
        DWORD start = ::GetTickCount();
        while (!(::IsWindowEnabled(hViewer) && !viewer->HasOtherDialog(hViewer))) {
            if (::GetTickCount() - start > 20000) {
                return false;
            }
            ::Sleep(20);
        }
        return true;
    }

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
    ASSERT_TRUE(BackToViewer()) << "Cancel shows no message";
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
    ASSERT_TRUE(BackToViewer());
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
    ASSERT_TRUE(BackToViewer());
    EXPECT_EQ(FileBytes(L"K:\\OLD.JPG"), oldBytes);
    EXPECT_EQ(FileNames(L"K:", L"*"), std::set<std::wstring>{L"OLD.JPG"});

    // A drive whose medium is gone.
    hDialog = OpenSaveAs();
    ASSERT_NE(hDialog, nullptr);
    SaveOn(hDialog, 4, L"plate");
    Shown failed = Answer(viewer->WaitForDialog(kResultCaption), IDOK);
    EXPECT_EQ(failed.text, L"M:\\PLATE.JPG\n  SAVE FAILED!");
    EXPECT_TRUE(failed.icon);
    ASSERT_TRUE(BackToViewer());

    EXPECT_GT(ViewerTemporaryFiles().size(), temporaryBefore.size())
        << "the running viewer keeps its temporary picture";
    DWORD exitCode = 1;
    ASSERT_TRUE(viewer->Close(&exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(ViewerTemporaryFiles(), temporaryBefore);
}

} // namespace
