#include "afx_app.h"

#include "afx_dc.h"
#include "afx_exception.h"

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

namespace {

CWinApp* g_pApp = nullptr;

CString ExecutableBaseName(HINSTANCE hInstance) {
    wchar_t path[MAX_PATH] = L"";
    ::GetModuleFileNameW(hInstance, path, MAX_PATH);
    CString name(path);
    name = name.Mid(name.ReverseFind(L'\\') + 1);
    int dot = name.ReverseFind(L'.');
    return dot >= 0 ? name.Left(dot) : name;
}

} // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

CWinApp::CWinApp(const wchar_t* pszAppName) : m_strAppName(pszAppName) {
    g_pApp = this;
}

CWinApp::~CWinApp() {
    if (g_pApp == this) {
        g_pApp = nullptr;
    }
}

CWinApp* AfxGetApp() {
    return g_pApp;
}

CWnd* AfxGetMainWnd() {
    return g_pApp != nullptr ? g_pApp->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetInstanceHandle() {
    return g_pApp != nullptr && g_pApp->m_hInstance != nullptr ? g_pApp->m_hInstance
                                                               : ::GetModuleHandleW(nullptr);
}

HINSTANCE AfxGetResourceHandle() {
    return AfxGetInstanceHandle();
}

void AfxDeleteTempMaps() {
    CWnd::DeleteTempMap();
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
}

void CWinApp::AfxWinInit(HINSTANCE hInstance, const wchar_t* pszCmdLine, int nCmdShow) {
    m_hInstance = hInstance;
    m_lpCmdLine = pszCmdLine;
    m_nCmdShow = nCmdShow;
    if (m_strAppName.IsEmpty()) {
        m_strAppName = ExecutableBaseName(hInstance);
    }
}

int CWinApp::Run() {
    MSG msg{};
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        AfxDeleteTempMaps();
    }
    return ExitInstance();
}

int CWinApp::ExitInstance() {
    return 0;
}

BOOL CWinApp::ProcessMessageFilter(int, LPMSG lpMsg) {
    return lpMsg != nullptr && PreTranslateMessage(lpMsg);
}

BOOL CWinApp::PreTranslateMessage(MSG* pMsg) {
    return CWnd::WalkPreTranslateTree(m_pMainWnd != nullptr ? m_pMainWnd->m_hWnd : nullptr, pMsg);
}

void CWinApp::SetRegistryKey(const wchar_t* pszRegistryKey) {
    m_strRegistryKey = pszRegistryKey;
}

HKEY CWinApp::OpenSectionKey(const wchar_t* pszSection, bool bCreate) {
    CString path = L"Software\\" + m_strRegistryKey + L"\\" + m_strAppName + L"\\" + pszSection;
    HKEY hKey = nullptr;
    LONG rc = bCreate ? ::RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0,
                                          KEY_READ | KEY_WRITE, nullptr, &hKey, nullptr)
                      : ::RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &hKey);
    return rc == ERROR_SUCCESS ? hKey : nullptr;
}

CString CWinApp::GetProfileString(const wchar_t* pszSection, const wchar_t* pszEntry,
                                  const wchar_t* pszDefault) {
    CString value(pszDefault);
    HKEY hKey = OpenSectionKey(pszSection, false);
    if (hKey == nullptr) {
        return value;
    }
    DWORD type = 0;
    DWORD bytes = 0;
    if (::RegQueryValueExW(hKey, pszEntry, nullptr, &type, nullptr, &bytes) == ERROR_SUCCESS &&
        type == REG_SZ) {
        int chars = static_cast<int>(bytes / sizeof(wchar_t));
        CString stored;
        if (::RegQueryValueExW(hKey, pszEntry, nullptr, &type,
                               reinterpret_cast<BYTE*>(stored.GetBuffer(chars + 1)),
                               &bytes) == ERROR_SUCCESS) {
            stored.ReleaseBuffer(chars);
            stored.ReleaseBuffer();
            value = stored;
        }
    }
    ::RegCloseKey(hKey);
    return value;
}

BOOL CWinApp::WriteProfileString(const wchar_t* pszSection, const wchar_t* pszEntry,
                                 const wchar_t* pszValue) {
    HKEY hKey = OpenSectionKey(pszSection, true);
    if (hKey == nullptr) {
        return FALSE;
    }
    LONG rc =
        pszValue == nullptr
            ? ::RegDeleteValueW(hKey, pszEntry)
            : ::RegSetValueExW(hKey, pszEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(pszValue),
                               static_cast<DWORD>((wcslen(pszValue) + 1) * sizeof(wchar_t)));
    ::RegCloseKey(hKey);
    return rc == ERROR_SUCCESS;
}

UINT CWinApp::GetProfileInt(const wchar_t* pszSection, const wchar_t* pszEntry, int nDefault) {
    DWORD value = static_cast<DWORD>(nDefault);
    HKEY hKey = OpenSectionKey(pszSection, false);
    if (hKey == nullptr) {
        return value;
    }
    DWORD stored = 0;
    DWORD type = 0;
    DWORD bytes = sizeof(stored);
    if (::RegQueryValueExW(hKey, pszEntry, nullptr, &type, reinterpret_cast<BYTE*>(&stored),
                           &bytes) == ERROR_SUCCESS &&
        type == REG_DWORD) {
        value = stored;
    }
    ::RegCloseKey(hKey);
    return value;
}

BOOL CWinApp::WriteProfileInt(const wchar_t* pszSection, const wchar_t* pszEntry, int nValue) {
    HKEY hKey = OpenSectionKey(pszSection, true);
    if (hKey == nullptr) {
        return FALSE;
    }
    DWORD value = static_cast<DWORD>(nValue);
    LONG rc = ::RegSetValueExW(hKey, pszEntry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                               sizeof(value));
    ::RegCloseKey(hKey);
    return rc == ERROR_SUCCESS;
}

void CWinApp::DoWaitCursor(int nCode) {
    m_nWaitCursorCount += nCode;
    if (m_nWaitCursorCount > 0) {
        HCURSOR previous = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
        if (nCode > 0 && m_nWaitCursorCount == 1) {
            m_hcurWaitCursorRestore = previous;
        }
        return;
    }
    m_nWaitCursorCount = 0;
    ::SetCursor(m_hcurWaitCursorRestore);
}

int AfxWinMain(HINSTANCE hInstance, const wchar_t* pszCmdLine, int nCmdShow) {
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr) {
        return -1;
    }
    pApp->AfxWinInit(hInstance, pszCmdLine, nCmdShow);
    int exitCode = -1;
    try {
        exitCode = pApp->InitInstance() ? pApp->Run() : pApp->ExitInstance();
    } catch (CException* e) {
        // A start-up that could not make its windows still shuts its services down.
        e->Delete();
        pApp->ExitInstance();
    }
    AfxDeleteTempMaps();
    return exitCode;
}
