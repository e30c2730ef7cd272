// A check button that renders a series of consecutive image resources, each with the window text
// over the parent's button background, into memory contexts whenever it is resized, and shows
// the one for its check state.
#pragma once

#include "check_button.h"

#include <memory>

class ABitmapCheckBox2 : public ACheckButton {
    DECLARE_DYNAMIC(ABitmapCheckBox2)
  public:
    // Image i (of nImageCount, at least one) shows check state i; states past the series show
    // the last image.
    ABitmapCheckBox2(CWnd* pControl, BOOL bAutoDelete, UINT nFirstImageId, int nImageCount);
    ~ABitmapCheckBox2() override;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    UINT m_nFirstImageId;
    int m_nImageCount;
    // One memory context per image, null while not rendered.
    std::unique_ptr<CDC*[]> m_ppImageDCs;
    // What a fresh memory context had selected; put back before an image context is deleted.
    HBITMAP m_hDefaultBitmap = nullptr;

  protected:
    void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()

  private:
    int ImageIndex() const;
    void FreeImages();
    void RenderImages();
    void RenderImage(int nIndex, CDC* pClientDC, HBRUSH hBackground, const CRect& rcClient,
                     const CString& text);
};
