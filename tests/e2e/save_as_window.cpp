#include "save_as_window.h"

namespace {

constexpr int kBoxText = 0xFFFF;
constexpr int kBoxIcon = 0x0440;

} // namespace

const wchar_t kSaveAsCaption[] = L"Varnolt -- Save As JPEG File";
const wchar_t kCheckCaption[] = L"Varnolt -- Save As";
const wchar_t kResultCaption[] = L"Varnolt Digital Recorder KT-410";

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

void SaveHere(HWND hDialog, const wchar_t* name) {
    ::SendDlgItemMessageW(hDialog, kFileName, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name));
    Click(hDialog, kSave);
}

void SaveOn(HWND hDialog, int drive, const wchar_t* name) {
    ChooseDrive(hDialog, drive);
    SaveHere(hDialog, name);
}

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

HWND OpenSaveAs(ViewerProcess& viewer, HWND hViewer, DWORD timeoutMs) {
    Click(hViewer, kSave);
    return viewer.WaitForDialog(kSaveAsCaption, timeoutMs);
}

bool BackToViewer(const ViewerProcess& viewer, HWND hViewer, DWORD timeoutMs) {
    DWORD start = ::GetTickCount();
    while (!(::IsWindowEnabled(hViewer) && !viewer.HasOtherDialog(hViewer))) {
        if (::GetTickCount() - start > timeoutMs) {
            return false;
        }
        ::Sleep(20);
    }
    return true;
}
