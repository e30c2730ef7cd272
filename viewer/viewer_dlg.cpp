#include "viewer_dlg.h"

#include "about_dlg.h"
#include "bitmap_check_box.h"
#include "face_scale.h"
#include "gdiplus_image.h"
#include "layout_scaling.h"
#include "navigator_tracker.h"
#include "picture_load.h"
#include "picture_path.h"
#include "resource.h"
#include "viewer_app.h"

#include <cstdlib>
#include <memory>
#include <string>

namespace {

struct BitmapButtonFaces {
    CBitmapButton ViewerDlg::*button;
    UINT nID;
    UINT nUp;
    UINT nDown;
};

// In the order the faces are loaded and the controls are taken over.
const BitmapButtonFaces kBitmapButtons[] = {
    {&ViewerDlg::m_btnZoomOut, IDC_ZOOM_OUT, IDB_ZOOM_OUT_UP, IDB_ZOOM_OUT_DOWN},
    {&ViewerDlg::m_btnOneToOne, IDC_ONE_TO_ONE, IDB_ONE_TO_ONE_UP, IDB_ONE_TO_ONE_DOWN},
    {&ViewerDlg::m_btnDarker, IDC_DARKER, IDB_DARKER_UP, IDB_DARKER_DOWN},
    {&ViewerDlg::m_btnBrighter, IDC_BRIGHTER, IDB_BRIGHTER_UP, IDB_BRIGHTER_DOWN},
    {&ViewerDlg::m_btnSave, IDC_SAVE, IDB_SAVE_UP, IDB_SAVE_DOWN},
    {&ViewerDlg::m_btnPrint, IDC_PRINT, IDB_PRINT_UP, IDB_PRINT_DOWN},
    {&ViewerDlg::m_btnCancel, IDCANCEL, IDB_CANCEL_UP, IDB_CANCEL_DOWN},
};

struct ButtonTip {
    UINT nID;
    UINT nString;
};

const ButtonTip kButtonTips[] = {
    {IDC_ZOOM_IN_MODE, IDS_TIP_ZOOM_IN},
    {IDC_ONE_TO_ONE, IDS_TIP_ONE_TO_ONE},
    {IDC_ZOOM_OUT_MODE, IDS_TIP_ZOOM_OUT},
    {IDC_QUALITY, IDS_TIP_QUALITY},
    {IDC_DARKER, IDS_TIP_DARKER},
    {IDC_BRIGHTER, IDS_TIP_BRIGHTER},
    {IDC_SAVE, IDS_TIP_SAVE},
    {IDC_PRINT, IDS_TIP_PRINT},
    {IDCANCEL, IDS_TIP_CANCEL},
};

// How often a window that came up without its picture looks whether it is in.
constexpr UINT_PTR kLatePictureTimer = 1;
constexpr UINT kLatePictureCheckMs = 100;

// The cursors are drawn 32 pixels square and at the faces' larger scales; the size nearest the
// screen's is taken whole, never stretched. Not shared: a shared cursor keeps the size it was
// first loaded at.
HCURSOR LoadViewerCursor(UINT nID, int dpi) {
    int side = 32 * NearestFacePercent(dpi) / 100;
    return static_cast<HCURSOR>(
        ::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nID), IMAGE_CURSOR, side, side, 0));
}

int ScreenDpi() {
    HDC hScreen = ::GetDC(nullptr);
    int dpi = ::GetDeviceCaps(hScreen, LOGPIXELSX);
    ::ReleaseDC(nullptr, hScreen);
    return dpi;
}

void DeleteFileQuietly(const char* pszPath) {
    if (*pszPath == '\0') {
        return;
    }
    try {
        CFile::Remove(CString(pszPath));
    } catch (CFileException* e) {
        // A file that was never written, or is already gone, is what teardown wants anyway.
        e->Delete();
    }
}

} // namespace

BEGIN_MESSAGE_MAP(ViewerDlg, CDialog)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDBLCLK()
ON_WM_VSCROLL()
ON_WM_HSCROLL()
ON_BN_CLICKED(IDC_BRIGHTER, OnBrighter)
ON_BN_CLICKED(IDC_DARKER, OnDarker)
ON_CBN_SELCHANGE(IDC_QUALITY, OnQualityChange)
ON_BN_CLICKED(IDC_SAVE, OnSavePicture)
ON_BN_CLICKED(IDCANCEL, OnCancel)
ON_BN_CLICKED(IDC_PRINT, OnPrintPicture)
ON_BN_CLICKED(IDC_ZOOM_IN, OnZoomIn)
ON_BN_CLICKED(IDC_ONE_TO_ONE, OnOneToOne)
ON_BN_CLICKED(IDC_ZOOM_OUT, OnZoomOut)
ON_BN_CLICKED(IDC_ZOOM_OUT_MODE, OnZoomOutMode)
ON_BN_CLICKED(IDC_ZOOM_IN_MODE, OnZoomInMode)
ON_WM_ERASEBKGND()
ON_WM_MOUSEWHEEL()
ON_WM_SETCURSOR()
ON_WM_DESTROY()
ON_WM_TIMER()
END_MESSAGE_MAP()

ViewerDlg::ViewerDlg(CWnd* pParent) : CDialog(IDD_VIEWER, pParent), m_nDpi(ScreenDpi()) {
    m_hIcon = ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME));
    for (const BitmapButtonFaces& faces : kBitmapButtons) {
        if (!(this->*faces.button)
                 .LoadBitmaps(ScaledFaceId(faces.nUp, m_nDpi), ScaledFaceId(faces.nDown, m_nDpi))) {
            AfxThrowResourceException();
        }
    }
}

ViewerDlg::~ViewerDlg() = default;

BOOL ViewerDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    AppendAboutItem();
    // What does not need the picture is set up first, while the picture may still be decoding.
    // The bitmap buttons are taken over before the layout, which then gives each its place and
    // its face's size in one move.
    AttachBitmapButtons();
    ScaleLayout();
    FillQualityCombo();
    CreatePictureTip();
    CreateTracker();
    MakeTempFileName(m_szTempFile, MAX_PATH, "jpeg");
    LoadPicture();
    InitViewState();
    UpdateScrollBars();
    // The zoom-mode toggles; each object deletes itself with its window.
    new ABitmapCheckBox(GetDlgItem(IDC_ZOOM_IN_MODE), ScaledFaceId(IDB_ZOOM_IN_UP, m_nDpi));
    new ABitmapCheckBox(GetDlgItem(IDC_ZOOM_OUT_MODE), ScaledFaceId(IDB_ZOOM_OUT_UP, m_nDpi));
    return TRUE;
}

void ViewerDlg::AppendAboutItem() {
    HMENU hMenu = GetSystemMenu(FALSE);
    CString text;
    if (hMenu == nullptr || !text.LoadString(IDS_ABOUTBOX) || text.IsEmpty()) {
        return;
    }
    ::AppendMenuW(hMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(hMenu, MF_STRING, IDM_ABOUTBOX, text);
}

void ViewerDlg::LoadPicture() {
    m_pPictureLoad = theApp.TakePictureLoad(PicturePathFromCommandLine(AfxGetApp()->m_lpCmdLine));
    LoadedPicture picture;
    if (m_pPictureLoad->TakePicture(kLongestWaitMs, &picture)) {
        UsePicture(picture);
        return;
    }
    // The file is still being read (a slow disk, a network share): the window comes up with an
    // empty view, and the picture follows when it is in.
    m_pImage = std::make_unique<GdiplusImage>();
    ::SetTimer(m_hWnd, kLatePictureTimer, kLatePictureCheckMs, nullptr);
}

void ViewerDlg::OnTimer(UINT_PTR nIDEvent) {
    LoadedPicture picture;
    if (nIDEvent != kLatePictureTimer || !m_pPictureLoad->TakePicture(0, &picture)) {
        CDialog::OnTimer(nIDEvent);
        return;
    }
    ::KillTimer(m_hWnd, kLatePictureTimer);
    UsePicture(picture);
    ShowWholePicture();
}

void ViewerDlg::ScaleLayout() {
    CRect client;
    GetClientRect(&client);
    int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    SetWindowPos(nullptr, 0, 0, screenWidth, screenHeight, SWP_NOZORDER);
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);

    ScaleFactors factors =
        ScreenScaleFactors(screenWidth, screenHeight, client.Width(), client.Height());
    m_fScaleX = factors.x;
    m_fScaleY = factors.y;
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        wchar_t className[21] = L"";
        ::GetClassNameW(hChild, className, 21);
        CRect rect;
        ::GetWindowRect(hChild, &rect);
        ScreenToClient(&rect);
        LayoutPlacement placed = ScaleChildRect({rect.left, rect.top, rect.right, rect.bottom},
                                                factors, IsComboBoxClassName(className));
        CSize face = FaceSizeOf(hChild);
        if (face.cx != 0) {
            placed.width = face.cx;
            placed.height = face.cy;
        }
        ::SetWindowPos(hChild, nullptr, placed.x, placed.y, placed.width, placed.height,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void ViewerDlg::InitViewState() {
    CRect area;
    if (CWnd* pPicture = GetDlgItem(IDC_PICTURE)) {
        pPicture->GetClientRect(&area);
    }
    m_state.area.m_nViewWidth = area.Width();
    m_state.area.m_nViewHeight = area.Height();
    m_state.view.m_nCenterX = m_state.area.m_nViewWidth / 2;
    m_state.view.m_nCenterY = m_state.area.m_nViewHeight / 2;
    m_state.area.m_nViewX = 0;
    m_state.area.m_nViewY = 0;

    m_state.settings.m_fGamma = 1.0f;
    m_state.view.m_nSrcX = 0;
    m_state.view.m_nSrcY = 0;
    m_state.view.m_nSrcWidth = static_cast<int>(m_pImage->Width());
    m_state.view.m_nSrcHeight = static_cast<int>(m_pImage->Height());
    m_state.view.m_fZoom = 1.0f;
    m_state.settings.m_nZoomMode = 0;
    ::SendDlgItemMessageW(m_hWnd, IDC_ZOOM_IN_MODE, BM_SETCHECK, BST_CHECKED, 0);

    m_hCursorThumb = LoadViewerCursor(IDC_CURSOR_THUMB, m_nDpi);
    m_hCursorDrag = LoadViewerCursor(IDC_CURSOR_DRAG, m_nDpi);
    m_hCursorZoomIn = LoadViewerCursor(IDC_CURSOR_ZOOM_IN, m_nDpi);
    m_hCursorZoomOut = LoadViewerCursor(IDC_CURSOR_ZOOM_OUT, m_nDpi);
    m_state.settings.m_bPrinting = 0;
    theApp.m_hMainDlg = m_hWnd;
}

void ViewerDlg::FillQualityCombo() {
    HWND hCombo = ::GetDlgItem(m_hWnd, IDC_QUALITY);
    ::SendMessageW(hCombo, CB_INITSTORAGE, 10, 10);
    for (const QualityLevel& level : kQualityLevels) {
        if (level.name != nullptr) {
            ::SendMessageW(hCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(level.name));
        }
    }
    ::SendMessageW(hCombo, CB_SETCURSEL, static_cast<WPARAM>(DefaultQualityIndex()), 0);
    m_state.settings.m_nInterpolation = DefaultInterpolation();
}

void ViewerDlg::CreatePictureTip() {
    m_tipPicture.Create(this);
    CRect area;
    GetDlgItem(IDC_PICTURE)->GetWindowRect(&area);
    ScreenToClient(&area);
    CString text;
    text.LoadString(IDS_TIP_PICTURE);
    m_tipPicture.AddTool(this, text, &area, IDC_PICTURE);
    m_tipPicture.Activate(TRUE);
}

void ViewerDlg::AttachBitmapButtons() {
    for (const BitmapButtonFaces& faces : kBitmapButtons) {
        (this->*faces.button).SubclassDlgItem(faces.nID, this);
    }
}

CSize ViewerDlg::FaceSizeOf(HWND hChild) const {
    for (const BitmapButtonFaces& faces : kBitmapButtons) {
        const CBitmapButton& button = this->*faces.button;
        if (button.m_hWnd == hChild) {
            return button.GetFaceSize();
        }
    }
    return CSize(0, 0);
}

void ViewerDlg::GiveIconsOnce() {
    if (::SendMessageW(m_hWnd, WM_GETICON, ICON_BIG, 0) != 0) {
        return;
    }
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
}

void ViewerDlg::CreateButtonTips() {
    if (m_pTipButtons != nullptr) {
        return;
    }
    m_pTipButtons = std::make_unique<CToolTipCtrl>();
    m_pTipButtons->Create(this);
    theApp.m_pMainTip = m_pTipButtons.get();
    for (const ButtonTip& tip : kButtonTips) {
        CString text;
        text.LoadString(tip.nString);
        m_pTipButtons->AddTool(GetDlgItem(static_cast<int>(tip.nID)), text);
    }
    m_pTipButtons->Activate(TRUE);
}

bool ViewerDlg::MakeTempFileName(char* pszBuffer, int nSize, const char* pszExtension) {
    // A name that does not fit is no name: the save then reports failure instead of writing
    // to a cut-off path.
    *pszBuffer = '\0';
    char folder[MAX_PATH];
    DWORD length = ::GetTempPathA(MAX_PATH, folder);
    if (length == 0 || length >= MAX_PATH) {
        return false;
    }
    if (::GetTempFileNameA(folder, "Intern", 0, pszBuffer) == 0) {
        *pszBuffer = '\0';
        return false;
    }
    lstrcpynA(m_szTempPlaceholder, pszBuffer, MAX_PATH);
    char drive[_MAX_DRIVE];
    char dir[_MAX_DIR];
    char name[_MAX_FNAME];
    _splitpath(pszBuffer, drive, dir, name, nullptr);
    std::string rebuilt = std::string(drive) + dir + name + "." + pszExtension;
    if (rebuilt.size() >= static_cast<size_t>(nSize)) {
        *pszBuffer = '\0';
        return false;
    }
    lstrcpynA(pszBuffer, rebuilt.c_str(), nSize);
    return true;
}

void ViewerDlg::OnSysCommand(UINT nID, LPARAM lParam) {
    if ((nID & 0xFFF0) != IDM_ABOUTBOX) {
        CDialog::OnSysCommand(nID, lParam);
        return;
    }
    AboutDlg dlgAbout;
    dlgAbout.DoModal();
}

void ViewerDlg::OnMouseMove(UINT nFlags, CPoint point) {
    CreateButtonTips();
    CDialog::OnMouseMove(nFlags, point);
}

void ViewerDlg::OnDestroy() {
    for (HCURSOR hCursor : {m_hCursorThumb, m_hCursorDrag, m_hCursorZoomIn, m_hCursorZoomOut}) {
        if (hCursor != nullptr) {
            ::DestroyCursor(hCursor);
        }
    }
    CDialog::OnDestroy();
}

void ViewerDlg::DeleteTempFiles() {
    DeleteFileQuietly(m_szTempFile);
    DeleteFileQuietly(m_szTempPlaceholder);
}

void ViewerDlg::PostNcDestroy() {
    m_pImage.reset();
    m_pTipButtons.reset();
    theApp.m_pMainTip = nullptr;
    theApp.m_hMainDlg = nullptr;
    DeleteTempFiles();
    m_pTracker.reset();
    m_pPictureLoad.reset();
    CDialog::PostNcDestroy();
}
