// An owner-drawn push button that shows one bitmap per state.
#pragma once

#include "afx_controls.h"
#include "afx_gdi.h"

class CBitmapButton : public CButton {
    DECLARE_DYNAMIC(CBitmapButton)
  public:
    // Loads the faces by resource id; 0 leaves a face out. False if a given face is missing.
    BOOL LoadBitmaps(UINT nIDBitmapResource, UINT nIDBitmapResourceSel = 0,
                     UINT nIDBitmapResourceFocus = 0, UINT nIDBitmapResourceDisabled = 0);
    // Resizes the button to its up face, keeping its top-left corner.
    void SizeToContent();
    // The up face's size; empty without one.
    CSize GetFaceSize() const;
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;

  protected:
    CBitmap m_bitmap;
    CBitmap m_bitmapSel;
    CBitmap m_bitmapFocus;
    CBitmap m_bitmapDisabled;

  private:
    CBitmap& FaceFor(UINT itemState);
};
