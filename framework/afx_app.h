// The application object: start-up and shut-down hooks, the message filter of modal loops,
// and profile settings kept in the registry.
#pragma once

#include "afx_string.h"
#include "afx_wnd.h"

class CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)
  public:
    // Without a name the application takes its executable's base name.
    explicit CWinApp(const wchar_t* pszAppName = nullptr);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    HINSTANCE m_hInstance = nullptr;
    const wchar_t* m_lpCmdLine = L"";
    int m_nCmdShow = SW_SHOWNORMAL;
    CWnd* m_pMainWnd = nullptr;
    CString m_strAppName;
    CString m_strRegistryKey;

    // Fills the fields above from the process; WinMain calls it before InitInstance.
    void AfxWinInit(HINSTANCE hInstance, const wchar_t* pszCmdLine, int nCmdShow);

    virtual BOOL InitInstance() { return TRUE; }
    virtual int Run();
    virtual int ExitInstance();
    // Called with each message of a modal loop before it is dispatched; true means handled.
    virtual BOOL ProcessMessageFilter(int code, LPMSG lpMsg);
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    void SetRegistryKey(const wchar_t* pszRegistryKey);
    CString GetProfileString(const wchar_t* pszSection, const wchar_t* pszEntry,
                             const wchar_t* pszDefault = nullptr);
    BOOL WriteProfileString(const wchar_t* pszSection, const wchar_t* pszEntry,
                            const wchar_t* pszValue);
    UINT GetProfileInt(const wchar_t* pszSection, const wchar_t* pszEntry, int nDefault);
    BOOL WriteProfileInt(const wchar_t* pszSection, const wchar_t* pszEntry, int nValue);

    void BeginWaitCursor() { DoWaitCursor(1); }
    void EndWaitCursor() { DoWaitCursor(-1); }
    void RestoreWaitCursor() { DoWaitCursor(0); }
    virtual void DoWaitCursor(int nCode);

  protected:
    DECLARE_MESSAGE_MAP()

  private:
    HKEY OpenSectionKey(const wchar_t* pszSection, bool bCreate);

    int m_nWaitCursorCount = 0;
    HCURSOR m_hcurWaitCursorRestore = nullptr;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
// Releases the temporary objects handed out by the FromHandle functions.
void AfxDeleteTempMaps();
// The framework's WinMain: runs the one application object.
int AfxWinMain(HINSTANCE hInstance, const wchar_t* pszCmdLine, int nCmdShow);
