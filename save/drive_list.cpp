// The Save-As dialog's drive list and the command file that can keep drive A out of it.
#include "save_as_jpeg_dlg.h"

#include "command_file_rules.h"
#include "drive_rules.h"
#include "resource.h"

#include <optional>
#include <string>
#include <vector>

namespace {

std::optional<std::wstring> VolumeName(const std::wstring& root) {
    wchar_t name[260] = L"";
    wchar_t fileSystem[80] = L"";
    if (!::GetVolumeInformationW(root.c_str(), name, 260, nullptr, nullptr, nullptr, fileSystem,
                                 80)) {
        return std::nullopt;
    }
    return std::wstring(name);
}

} // namespace

int SaveAsJpegDlg::ReadCommandFile() {
    CFile file;
    CFileException error;
    if (!file.Open(kCommandFileName, CFile::modeRead, &error)) {
        return 0;
    }
    try {
        char bytes[kCommandFileReadLimit];
        UINT count = file.Read(bytes, sizeof bytes);
        if (CommandForbidsDriveA(std::string(bytes, count))) {
            m_bAllowDriveA = 0;
        }
        file.Close();
    } catch (CFileException* e) {
        e->Delete();
        return 0;
    }
    return 1;
}

void SaveAsJpegDlg::FillDriveList() {
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
        std::wstring root = DriveRoot(letter);
        int type = static_cast<int>(::GetDriveTypeW(root.c_str()));
        if (!MayOfferDrive(type, letter, m_bAllowDriveA != 0)) {
            continue;
        }
        std::optional<std::wstring> label =
            DriveLabel(type, letter, m_bAllowDriveA != 0, VolumeName(root));
        if (label) {
            AddDrive(label->c_str(), root.c_str());
        }
    }
    SelectCurrentDrive();
}

void SaveAsJpegDlg::AddDrive(const CString& label, const CString& root) {
    ::SendDlgItemMessageW(m_hWnd, IDC_DRIVES, CB_ADDSTRING, 0,
                          reinterpret_cast<LPARAM>(static_cast<const wchar_t*>(label)));
    ::SendDlgItemMessageW(m_hWnd, IDC_DRIVE_LABELS, LB_ADDSTRING, 0,
                          reinterpret_cast<LPARAM>(static_cast<const wchar_t*>(label)));
    m_arrDriveRoots.Add(root);
}

void SaveAsJpegDlg::SelectCurrentDrive() {
    std::vector<std::wstring> roots;
    for (int i = 0; i < m_arrDriveRoots.GetSize(); ++i) {
        roots.emplace_back(static_cast<const wchar_t*>(m_arrDriveRoots[i]));
    }
    std::wstring remembered = static_cast<const wchar_t*>(m_strFolder);
    int index = DriveIndexForFolder(roots, remembered);
    ::SendDlgItemMessageW(m_hWnd, IDC_DRIVES, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    m_strFolder = StartingFolder(roots, remembered).c_str();
}
