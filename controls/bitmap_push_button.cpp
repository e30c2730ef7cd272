#include "bitmap_push_button.h"

#include "bitmap_painting.h"

IMPLEMENT_DYNAMIC(ABitmapPushButton, APushButton)

void ABitmapPushButton::DrawFaceContent(CDC* pDC, const CRect& rcFace) {
    if (m_nImageId != 0) {
        DrawImage(pDC, rcFace, m_nImageId, m_bImageIsIcon, m_nPlacement);
    }
    APushButton::DrawFaceContent(pDC, rcFace);
}
