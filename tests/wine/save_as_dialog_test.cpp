// The Save-As dialog driven as a user would: names refused, reset and confirmed, in-process.
#include "modal_script.h"
#include "resource.h"
#include "save_as_jpeg_dlg.h"
#include "scratch_file.h"
#include "viewer_app.h"
#include "viewer_window.h"

#include <gtest/gtest.h>

namespace {

const wchar_t kDialogCaption[] = L"Varnolt -- Save As JPEG File";
const wchar_t kCheckCaption[] = L"Varnolt -- Save As";

std::wstring ItemText(HWND hDialog, int nID) {
    wchar_t text[512] = L"";
    ::GetDlgItemTextW(hDialog, nID, text, 512);
    return text;
}

std::vector<std::wstring> ListEntries(HWND hList) {
    std::vector<std::wstring> entries;
    int count = static_cast<int>(::SendMessageW(hList, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[512] = L"";
        ::SendMessageW(hList, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        entries.push_back(text);
    }
    return entries;
}

// Types a name and presses Save.
std::function<void(HWND)> SaveAs(const std::wstring& name) {
    return [name](HWND hDialog) {
        ::SetDlgItemTextW(hDialog, IDC_FILE_NAME, name.c_str());
        PostClick(hDialog, IDC_SAVE);
    };
}

void RememberSaveFolder(const std::wstring& folder) {
    theApp.WriteProfileString(L"Path", L"SavePath", folder.c_str());
}

class SaveAsDialog : public testing::Test {
  protected:
    void SetUp() override {
        WriteWholeFile(folder.Path(L"TGRNPIC.JPG"), "old");
        WriteWholeFile(folder.Path(L"CAM1.JPG"), "old");
        RememberSaveFolder(folderWithSlash);
    }

    ScratchFolder folder;
    std::wstring folderWithSlash = folder.Root() + L"\\";
    ViewerWindow viewer{SamplePicture()};
};

TEST_F(SaveAsDialog, RefusesBadNamesAsksBeforeReplacingAndPublishesTheNormalisedPath) {
    std::vector<std::wstring> listed;
    std::wstring shownAtStart, afterDoubleClick, afterEmptyName;
    ShownDialog refusal, empty, listedReplace, unlistedReplace;
    ModalScript script;
    script
        .Then(kDialogCaption,
              [&](HWND hDialog) {
                  HWND hList = ::GetDlgItem(hDialog, IDC_FOLDER_LIST);
                  listed = ListEntries(hList);
                  shownAtStart = ItemText(hDialog, IDC_FILE_NAME);
                  int cam = static_cast<int>(::SendMessageW(hList, LB_FINDSTRINGEXACT, -1,
                                                            reinterpret_cast<LPARAM>(L"CAM1.JPG")));
                  ::SendMessageW(hList, LB_SETCURSEL, cam, 0);
                  ::SendMessageW(hDialog, WM_COMMAND, MAKEWPARAM(IDC_FOLDER_LIST, LBN_DBLCLK),
                                 reinterpret_cast<LPARAM>(hList));
                  afterDoubleClick = ItemText(hDialog, IDC_FILE_NAME);
                  // Written after the listing was made: only the folder knows it.
                  WriteWholeFile(folder.Path(L"LATE.JPG"), "late");
                  SaveAs(L"plate/1")(hDialog);
              })
        .Answer(kCheckCaption, IDOK, &refusal)
        .Then(kDialogCaption, SaveAs(L""))
        .Answer(kCheckCaption, IDOK, &empty)
        .Then(kDialogCaption,
              [&](HWND hDialog) {
                  afterEmptyName = ItemText(hDialog, IDC_FILE_NAME);
                  SaveAs(L"Tgrnpic.jpg")(hDialog);
              })
        .Answer(kCheckCaption, IDCANCEL, &listedReplace)
        .Then(kDialogCaption, SaveAs(L"late"))
        .Answer(kCheckCaption, IDOK, &unlistedReplace);

    SaveAsJpegDlg dlg(&viewer.Dlg());
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(script.Finished());

    EXPECT_NE(std::find(listed.begin(), listed.end(), L"TGRNPIC.JPG"), listed.end());
    EXPECT_EQ(std::find(listed.begin(), listed.end(), L"LATE.JPG"), listed.end());
    EXPECT_EQ(shownAtStart, L"TGRNPIC.JPG");
    EXPECT_EQ(afterDoubleClick, L"CAM1.JPG");

    EXPECT_EQ(refusal.text, L" A file name cannot contain any of the following characters:\n"
                            L" \t\t \\ / : * ? \" < > |");
    EXPECT_FALSE(refusal.StopIcon());
    EXPECT_EQ(empty.text, L" Please insert a file name!");
    EXPECT_EQ(afterEmptyName, L"TGRNPIC.JPG");
    EXPECT_EQ(listedReplace.text, L"\tThe file " + folderWithSlash +
                                      L" TGRNPIC.JPG already exists. \t\n\tDo you want to "
                                      L"replace it?");
    EXPECT_TRUE(listedReplace.visibleIds.count(IDCANCEL) != 0);
    EXPECT_EQ(unlistedReplace.text, L"\tThe file " + folderWithSlash +
                                        L" LATE.JPG already exists. \t\n\tDo you want to "
                                        L"replace it?");

    EXPECT_EQ(std::wstring(dlg.Path()), folderWithSlash + L"LATE.JPG");
    EXPECT_EQ(std::wstring(theApp.GetProfileString(L"Path", L"SavePath")), folderWithSlash);
}

TEST_F(SaveAsDialog, CancelPublishesNothingAndTheSaveCommandWritesAndSaysNothing) {
    RememberSaveFolder(L"a:\\");
    ASSERT_EQ(::SendMessageW(viewer.Item(IDC_ZOOM_IN_MODE), BM_GETCHECK, 0, 0), BST_CHECKED);
    ModalScript script;
    auto cancel = [&](HWND hDialog) {
        // A drive chosen and then abandoned is not remembered.
        ::SendDlgItemMessageW(hDialog, IDC_DRIVES, CB_SETCURSEL, 0, 0);
        PostClick(hDialog, IDCANCEL);
    };
    script.Then(kDialogCaption, cancel).Then(kDialogCaption, cancel);
    SaveAsJpegDlg dlg(&viewer.Dlg());
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(dlg.Path().IsEmpty());
    viewer.Click(IDC_SAVE);
    EXPECT_TRUE(script.Finished()) << "no message after Cancel";
    EXPECT_EQ(std::wstring(theApp.GetProfileString(L"Path", L"SavePath")), L"a:\\");
    EXPECT_EQ(::SendMessageW(viewer.Item(IDC_ZOOM_IN_MODE), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(viewer.Dlg().State().settings.m_nZoomMode, 5)
        << "Save releases the zoom-mode toggles";
}

} // namespace
