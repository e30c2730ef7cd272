#include "save_as_jpeg_dlg.h"

#include "file_name_rules.h"
#include "resource.h"
#include "text_fit.h"

namespace {

const wchar_t kPathSection[] = L"Path";
const wchar_t kSavePathEntry[] = L"SavePath";
const wchar_t kDefaultSaveFolder[] = L"a:\\";
const wchar_t kJpegPattern[] = L"*.JPG";

CString ListBoxText(HWND hList, int index) {
    CString text;
    int length = static_cast<int>(::SendMessageW(hList, LB_GETTEXTLEN, index, 0));
    ::SendMessageW(hList, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.GetBuffer(length)));
    text.ReleaseBuffer();
    return text;
}

} // namespace

BEGIN_MESSAGE_MAP(SaveAsJpegDlg, CDialog)
ON_LBN_SELCHANGE(IDC_DRIVE_LABELS, OnHiddenListChange)
ON_EN_CHANGE(IDC_FILE_NAME, OnFileNameChange)
ON_LBN_DBLCLK(IDC_FOLDER_LIST, OnFolderListDoubleClick)
ON_BN_CLICKED(IDC_SAVE, OnSave)
ON_CBN_SELCHANGE(IDC_DRIVES, OnDriveChange)
END_MESSAGE_MAP()

SaveAsJpegDlg::SaveAsJpegDlg(CWnd* pParent) : CDialog(IDD_SAVE_AS_JPEG, pParent) {}

void SaveAsJpegDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, IDC_FILE_NAME, m_strFileName);
}

BOOL SaveAsJpegDlg::OnInitDialog() {
    m_bAllowDriveA = 1;
    ReadCommandFile();
    LoadSaveFolder();
    FillDriveList();
    ListFolder();
    GetDlgItem(IDC_FILE_NAME)->SetFocus();
    m_strFileName = kDefaultFileName;
    FitTextsToControls(m_hWnd);
    return CDialog::OnInitDialog();
}

void SaveAsJpegDlg::OnHiddenListChange() {
    ListFolder();
}

void SaveAsJpegDlg::OnFileNameChange() {
    UpdateData(TRUE);
}

void SaveAsJpegDlg::ListFolder() {
    CString folder = m_strFolder;
    BOOL bEntered = ::SetCurrentDirectoryW(folder);
    ::SendDlgItemMessageW(m_hWnd, IDC_FOLDER_LIST, LB_RESETCONTENT, 0, 0);
    if (bEntered) {
        ::SendDlgItemMessageW(m_hWnd, IDC_FOLDER_LIST, LB_DIR, DDL_DIRECTORY,
                              reinterpret_cast<LPARAM>(kJpegPattern));
    }
}

void SaveAsJpegDlg::OnDriveChange() {
    int index = static_cast<int>(::SendDlgItemMessageW(m_hWnd, IDC_DRIVES, CB_GETCURSEL, 0, 0));
    if (index < 0 || index >= m_arrDriveRoots.GetSize()) {
        return;
    }
    m_strFolder = m_arrDriveRoots[index];
    ListFolder();
    GetDlgItem(IDC_FILE_NAME)->SetFocus();
}

void SaveAsJpegDlg::OnFolderListDoubleClick() {
    HWND hList = ::GetDlgItem(m_hWnd, IDC_FOLDER_LIST);
    int index = static_cast<int>(::SendMessageW(hList, LB_GETCURSEL, 0, 0));
    if (index < 0) {
        return;
    }
    ::SetDlgItemTextW(m_hWnd, IDC_FILE_NAME, ListBoxText(hList, index));
}

void SaveAsJpegDlg::OnSave() {
    if (FirstForbiddenCharacter(static_cast<const wchar_t*>(m_strFileName)) != L'\0') {
        MessageBox(ForbiddenCharacterMessage().c_str(), kSaveAsCaption, MB_OK);
        return;
    }
    if (!CheckFileName()) {
        return;
    }
    if (!IsNewFileName(m_strFileName)) {
        std::wstring question = ReplaceQuestion(static_cast<const wchar_t*>(m_strFolder),
                                                static_cast<const wchar_t*>(m_strFileName));
        if (MessageBox(question.c_str(), kSaveAsCaption, MB_OKCANCEL) != IDOK) {
            return;
        }
    }
    m_strPath = m_strFolder + m_strFileName;
    StoreSaveFolder();
    OnOK();
}

int SaveAsJpegDlg::CheckFileName() {
    if (m_strFileName.IsEmpty()) {
        m_strFileName = kDefaultFileName;
        UpdateData(FALSE);
        MessageBox(kInsertFileNameMessage, kSaveAsCaption, MB_OK);
        return 0;
    }
    m_strFileName = NormalisedJpegName(static_cast<const wchar_t*>(m_strFileName)).c_str();
    return 1;
}

// The listing leaves out hidden and system files, so the folder itself is asked as well: no
// file is replaced without the question.
int SaveAsJpegDlg::IsNewFileName(CString strName) {
    HWND hList = ::GetDlgItem(m_hWnd, IDC_FOLDER_LIST);
    for (int i = 0; i < static_cast<int>(::SendMessageW(hList, LB_GETCOUNT, 0, 0)); ++i) {
        if (IsSameListedName(static_cast<const wchar_t*>(ListBoxText(hList, i)),
                             static_cast<const wchar_t*>(strName))) {
            return 0;
        }
    }
    return ExistsOnDisk(strName) ? 0 : 1;
}

bool SaveAsJpegDlg::ExistsOnDisk(const CString& name) const {
    DWORD attributes = ::GetFileAttributesW(m_strFolder + name);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void SaveAsJpegDlg::LoadSaveFolder() {
    m_strFolder = AfxGetApp()->GetProfileString(kPathSection, kSavePathEntry, kDefaultSaveFolder);
}

void SaveAsJpegDlg::StoreSaveFolder() {
    AfxGetApp()->WriteProfileString(kPathSection, kSavePathEntry, m_strFolder);
}
