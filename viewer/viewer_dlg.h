// The viewer: a full-screen, topmost dialog that shows one picture and holds the view state.
#pragma once

#include "afxwin.h"

#include "navigator_thumbnail.h"
#include "provenance.h"
#include "save_outcome.h"
#include "view_state.h"

#include <memory>
#include <string>

class GdiplusImage;
struct KeyAction;
class NavigatorTracker;
class PictureLoad;
struct LoadedPicture;

// How long the window waits for the picture file to be read, at start and before a Save or Print
// that needs its hash: long enough for any sound disk, short enough that the viewer never seems
// to hang.
constexpr DWORD kLongestWaitMs = 3000;

class ViewerDlg : public CDialog {
  public:
    explicit ViewerDlg(CWnd* pParent);
    ~ViewerDlg() override;

    // Writes the current view to the path as a JPEG.
    SaveOutcome ExportJpeg(CString strPath);

    // What the window shows of the picture and how.
    const ViewState& State() const { return m_state; }

    // The working picture: what the view is drawn and exported from.
    std::unique_ptr<GdiplusImage> m_pImage;
    float m_fScaleX = 1.0f;
    float m_fScaleY = 1.0f;
    HCURSOR m_hCursorThumb = nullptr;
    HCURSOR m_hCursorDrag = nullptr;
    HCURSOR m_hCursorZoomIn = nullptr;
    HCURSOR m_hCursorZoomOut = nullptr;
    CToolTipCtrl m_tipPicture;
    // Made at the first mouse move.
    std::unique_ptr<CToolTipCtrl> m_pTipButtons;
    CBitmapButton m_btnOneToOne;
    CBitmapButton m_btnZoomOut;
    CBitmapButton m_btnDarker;
    CBitmapButton m_btnBrighter;
    CBitmapButton m_btnSave;
    CBitmapButton m_btnPrint;
    CBitmapButton m_btnCancel;
    std::unique_ptr<NavigatorTracker> m_pTracker;
    char m_szTempFile[MAX_PATH] = "";
    HICON m_hIcon = nullptr;
    // The screen's dots per inch when the viewer was made: its faces, cursors and caption are
    // drawn for it.
    int m_nDpi = 96;

  protected:
    void DoDataExchange(CDataExchange*) override {}
    void PostNcDestroy() override;
    BOOL OnInitDialog() override;
    // Keys of the viewer run their commands here, before the dialog's own key handling.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    void LoadPicture();
    void ScaleLayout();
    void InitViewState();
    void FillQualityCombo();
    void CreatePictureTip();
    void AttachBitmapButtons();
    void CreateButtonTips();
    bool MakeTempFileName(char* pszBuffer, int nSize, const char* pszExtension);

    // Rendering.
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    BOOL OnEraseBkgnd(CDC* pDC);
    void DrawPicture();
    void DrawNavigator();
    void DrawZoomCaption();

    // View geometry.
    void UpdateSourceRect();
    void UpdateTrackerFromView();
    void UpdateScrollBars();
    void CreateTracker();
    void ResetTracker();
    void OnZoomIn();
    void OnZoomOut();
    void OnOneToOne();
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint point);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);

    // Commands.
    void OnBrighter();
    void OnDarker();
    void OnQualityChange();
    void ReleaseZoomToggles();
    void OnZoomInMode();
    void OnZoomOutMode();
    void OnSavePicture();

    // Printing.
    void OnPrintPicture();

    // Mouse.
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void HandlePictureClick(CPoint point);
    void HandleNavigatorClick(CPoint point);

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnDestroy();
    void OnTimer(UINT_PTR nIDEvent);

    DECLARE_MESSAGE_MAP()

  private:
    // Takes the loaded picture as the working picture, and its size and path for the record.
    void UsePicture(const LoadedPicture& picture);
    // The whole picture in the view, as at start; also for a picture that came after the window.
    void ShowWholePicture();
    // Whether the hash of the decoded bytes is in, waiting a few seconds at most under the wait
    // cursor; if not, the operator is told and the command writes nothing.
    bool SourceDigestReady();
    void ReportSourceStillReading();
    ExportRecord RecordOfView();
    SaveOutcome ExportView(const std::wstring& target);
    void AppendAboutItem();
    void DeleteTempFiles();
    // A bitmap button's face size, the size the layout gives it; empty for other children.
    CSize FaceSizeOf(HWND hChild) const;
    // The window's icons are of no use before the picture is up, and taking them costs the
    // system some time, so the first paint gives them.
    void GiveIconsOnce();
    int PictureWidth();
    int PictureHeight();
    // Asks for a repaint of the picture and navigator without erasing. The controls keep their
    // looks, so they are left out: repainting them would only slow every view change.
    void InvalidateView();
    // The refresh that follows a zoom: step, navigator, repaint, scroll bars.
    void RefreshAfterZoom();
    // A control's client rectangle in the dialog's client coordinates.
    CRect ControlClientRect(int nID) const;
    void ZoomAboutViewCentre(int mode);
    // A scroll message from one of the two bars: moves the bar and the view along its axis.
    void Pan(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar, bool bHorizontal);
    // A toggle was clicked: the other one pops up, and the mode follows the clicked one.
    void FollowToggle(int nClicked, int nOther, int mode);
    // Each returns whether the view moved.
    bool CentreOnThumbnailPoint(CPoint point);
    bool DragNavigator(CPoint point);
    void RelayButtonMouseMessage(CWnd* pWnd, UINT message, CPoint point);
    bool TakesKeys(const MSG& msg) const;
    void RunKeyAction(const KeyAction& action);
    // A scroll message of one of the two bars, handled as the bar's own.
    void SendScroll(bool bHorizontal, UINT nSBCode, UINT nPos);
    void PanByTenth(bool bHorizontal, int direction);
    bool IsToggleDown(int nID) const;
    void SetToggle(int nID, bool bDown);

    // The tests' window sets a state directly before it drives the viewer from there.
    friend class ViewerWindow;

    ViewState m_state;
    // The empty file the system creates to reserve the unique temporary name.
    char m_szTempPlaceholder[MAX_PATH] = "";
    NavigatorThumbnail m_thumbnail;
    CRect m_rcThumb;
    // The opened picture, for the record each export carries.
    CString m_strSourcePath;
    int m_nSourceWidth = 0;
    int m_nSourceHeight = 0;
    bool m_bWorkingDrawn = false;
    // The load of the opened picture: its working picture, then the hash of the bytes decoded.
    std::unique_ptr<PictureLoad> m_pPictureLoad;
};
