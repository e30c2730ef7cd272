#include "save_as_driver.h"

namespace {

constexpr int kSave = 1006;
constexpr int kDrives = 1005;
constexpr int kFileName = 1023;
constexpr int kBoxText = 0xFFFF;
constexpr int kBoxIcon = 0x0440;

} // namespace

const wchar_t kSaveAsCaption[] = L"Varnolt -- Save As JPEG File";
const wchar_t kCheckCaption[] = L"Varnolt -- Save As";
const wchar_t kResultCaption[] = L"Varnolt Digital Recorder KT-410";

std::wstring WindowText(HWND hWnd) {
    wchar_t text[1024] = L"";
    ::SendMessageW(hWnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return text;
}

void Click(HWND hDialog, int nID) {
    ::PostMessageW(hDialog, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(hDialog, nID)));
}

HWND OpenSaveAs(ViewerProcess& viewer, HWND hViewer) {
    Click(hViewer, kSave);
    return viewer.WaitForDialog(kSaveAsCaption);
}

std::vector<std::wstring> DriveEntries(HWND hSaveAs) {
    HWND hCombo = ::GetDlgItem(hSaveAs, kDrives);
    std::vector<std::wstring> entries;
    int count = static_cast<int>(::SendMessageW(hCombo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = L"";
        ::SendMessageW(hCombo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        entries.push_back(text);
    }
    return entries;
}

int SelectedDrive(HWND hSaveAs) {
    return static_cast<int>(::SendDlgItemMessageW(hSaveAs, kDrives, CB_GETCURSEL, 0, 0));
}

void ChooseDrive(HWND hSaveAs, int index) {
    HWND hCombo = ::GetDlgItem(hSaveAs, kDrives);
    ::SendMessageW(hCombo, CB_SETCURSEL, index, 0);
    ::SendMessageW(hSaveAs, WM_COMMAND, MAKEWPARAM(kDrives, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(hCombo));
}

void SaveOn(HWND hSaveAs, int drive, const wchar_t* name) {
    ChooseDrive(hSaveAs, drive);
    ::SendDlgItemMessageW(hSaveAs, kFileName, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name));
    Click(hSaveAs, kSave);
}

Shown Answer(HWND hBox, int button) {
    Shown shown;
    if (hBox == nullptr) {
        return shown;
    }
    shown.text = WindowText(::GetDlgItem(hBox, kBoxText));
    HWND hIcon = ::GetDlgItem(hBox, kBoxIcon);
    shown.icon = hIcon != nullptr && ::IsWindowVisible(hIcon) &&
                 ::SendMessageW(hIcon, STM_GETICON, 0, 0) != 0;
    Click(hBox, button);
    return shown;
}

bool BackToViewer(const ViewerProcess& viewer, HWND hViewer) {
    DWORD start = ::GetTickCount();
    while (!(::IsWindowEnabled(hViewer) && !viewer.HasOtherDialog(hViewer))) {
        if (::GetTickCount() - start > 20000) {
            return false;
        }
        ::Sleep(20);
    }
    return true;
}
