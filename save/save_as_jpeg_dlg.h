// The Save-As dialog: a drive from the permitted ones, a look at its JPEG files, and a file name.
// It checks the name, asks before a file is replaced, and on OK gives the full path and remembers
// the folder.
#pragma once

#include "afxwin.h"

class SaveAsJpegDlg : public CDialog {
  public:
    explicit SaveAsJpegDlg(CWnd* pParent);

    // The full path chosen, once DoModal has returned IDOK; empty otherwise.
    const CString& Path() const { return m_strPath; }

    CStringArray m_arrDriveRoots;
    CString m_strFileName;
    CString m_strFolder;
    int m_bAllowDriveA = 1;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnHiddenListChange();
    void OnFileNameChange();
    void OnFolderListDoubleClick();
    void OnSave();
    void OnDriveChange();

    void ListFolder();
    int CheckFileName();
    int IsNewFileName(CString strName);
    void LoadSaveFolder();
    void StoreSaveFolder();

    // The drive list and the command file.
    int ReadCommandFile();
    void FillDriveList();
    void SelectCurrentDrive();

    DECLARE_MESSAGE_MAP()

  private:
    void AddDrive(const CString& label, const CString& root);
    bool ExistsOnDisk(const CString& name) const;

    CString m_strPath;
};
