#include "bitmap_check_box.h"

#include "bitmap_painting.h"
#include "blink_list.h"
#include "button_text.h"
#include "check_button_rules.h"

IMPLEMENT_DYNAMIC(ABitmapCheckBox, ACheckButton)

ABitmapCheckBox::ABitmapCheckBox(CWnd* pControl, UINT nImageId)
    : ACheckButton(pControl, TRUE), m_nImageId(nImageId) {}

ABitmapCheckBox::~ABitmapCheckBox() {
    SetBlinking(this, FALSE);
}

bool ABitmapCheckBox::ShowsCheckedImage() const {
    return ShowsChecked(m_nCheckState, m_nCheckedState);
}

// No background, focus or disabled look: the control never erases, and a push-like button shows
// being pressed through its checked image.
void ABitmapCheckBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const RECT& rcItem = lpDrawItemStruct->rcItem;
    if (m_nImageId != 0) {
        UINT nImage = ShowsCheckedImage() ? m_nImageId + 1 : m_nImageId;
        DrawImage(pDC, rcItem, nImage, m_bImageIsIcon, m_nPlacement);
    }
    DrawButtonText(pDC, rcItem, GetWindowText(), m_nTextFormat);
}
