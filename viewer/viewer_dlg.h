// The viewer: a full-screen, topmost dialog that shows one picture and holds the view state.
#pragma once

#include "afxwin.h"

class GdiplusImage;

class ViewerDlg : public CDialog {
  public:
    explicit ViewerDlg(CWnd* pParent);
    ~ViewerDlg() override;

    int m_nZoomMode = 0;
    GdiplusImage* m_pImage = nullptr;
    int m_nViewX = 0;
    int m_nViewY = 0;
    int m_nViewWidth = 0;
    int m_nViewHeight = 0;
    int m_nSrcX = 0;
    int m_nSrcY = 0;
    int m_nSrcWidth = 0;
    int m_nSrcHeight = 0;
    float m_fZoom = 1.0f;
    float m_fGamma = 1.0f;
    int m_nInterpolation = 7;
    int m_bPrinting = 0;
    int m_nCenterX = 0;
    int m_nCenterY = 0;
    float m_fScaleX = 1.0f;
    float m_fScaleY = 1.0f;
    HCURSOR m_hCursorThumb = nullptr;
    HCURSOR m_hCursorDrag = nullptr;
    HCURSOR m_hCursorZoomIn = nullptr;
    HCURSOR m_hCursorZoomOut = nullptr;
    CToolTipCtrl m_tipPicture;
    CToolTipCtrl* m_pTipButtons = nullptr;
    CBitmapButton m_btnOneToOne;
    CBitmapButton m_btnZoomOut;
    CBitmapButton m_btnDarker;
    CBitmapButton m_btnBrighter;
    CBitmapButton m_btnSave;
    CBitmapButton m_btnPrint;
    CBitmapButton m_btnCancel;
    char m_szTempFile[MAX_PATH] = "";
    CRect m_rcThumb;
    HICON m_hIcon = nullptr;

  protected:
    void DoDataExchange(CDataExchange*) override {}
    void PostNcDestroy() override;
    BOOL OnInitDialog() override;

    void LoadPicture();
    void ScaleLayout();
    void InitViewState();
    void FillQualityCombo();
    void CreatePictureTip();
    void AttachBitmapButtons();
    void CreateButtonTips();
    bool MakeTempFileName(char* pszBuffer, int nSize, const char* pszExtension);
    void UpdateScrollBars();

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

  private:
    void AppendAboutItem();
    void DeleteTempFiles();

    // The empty file the system creates to reserve the unique temporary name.
    char m_szTempPlaceholder[MAX_PATH] = "";
};
