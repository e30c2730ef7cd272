#include "bitmap_check_box2.h"

#include "bitmap_painting.h"
#include "button_text.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(ABitmapCheckBox2, ACheckButton)

BEGIN_MESSAGE_MAP(ABitmapCheckBox2, ACheckButton)
ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {

// The control-colour message of 16-bit Windows, which parents may still answer with a brush.
constexpr UINT kWmCtlColor = 0x0019;

} // namespace

ABitmapCheckBox2::ABitmapCheckBox2(CWnd* pControl, BOOL bAutoDelete, UINT nFirstImageId,
                                   int nImageCount)
    : ACheckButton(pControl, bAutoDelete), m_nFirstImageId(nFirstImageId),
      m_nImageCount(std::max(nImageCount, 1)), m_ppImageDCs(new CDC*[m_nImageCount]()) {}

ABitmapCheckBox2::~ABitmapCheckBox2() {
    FreeImages();
}

// Renders on first use: a control that has not been resized since it was taken over has no
// images, nor has one whose last rendering failed part of the way.
void ABitmapCheckBox2::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    int nIndex = ImageIndex();
    if (m_ppImageDCs[nIndex] == nullptr) {
        FreeImages();
        RenderImages();
    }
    CDC* pImageDC = m_ppImageDCs[nIndex];
    if (pImageDC == nullptr) {
        return;
    }
    const RECT& rc = lpDrawItemStruct->rcItem;
    ::BitBlt(lpDrawItemStruct->hDC, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
             pImageDC->m_hDC, 0, 0, SRCCOPY);
}

int ABitmapCheckBox2::ImageIndex() const {
    UINT nLast = static_cast<UINT>(m_nImageCount - 1);
    return static_cast<int>(std::min(m_nCheckState, nLast));
}

void ABitmapCheckBox2::OnSize(UINT, int cx, int cy) {
    Default();
    if (cx != 0 && cy != 0) {
        FreeImages();
        RenderImages();
    }
}

// Deleting the displaced bitmap through the handle map deletes its object and its GDI bitmap.
void ABitmapCheckBox2::FreeImages() {
    for (int i = 0; i < m_nImageCount; ++i) {
        CDC* pImageDC = m_ppImageDCs[i];
        if (pImageDC == nullptr) {
            continue;
        }
        HGDIOBJ hImage = ::SelectObject(pImageDC->m_hDC, m_hDefaultBitmap);
        delete CGdiObject::FromHandle(hImage);
        delete pImageDC;
        m_ppImageDCs[i] = nullptr;
    }
}

void ABitmapCheckBox2::RenderImages() {
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.IsRectEmpty()) {
        return;
    }
    CClientDC clientDC(this);
    CWnd* pParent = GetParent();
    HBRUSH hBackground = nullptr;
    if (pParent != nullptr) {
        LPARAM lParam = MAKELPARAM(LOWORD(reinterpret_cast<UINT_PTR>(m_hWnd)), CTLCOLOR_BTN);
        hBackground = reinterpret_cast<HBRUSH>(
            pParent->SendMessage(kWmCtlColor, reinterpret_cast<WPARAM>(clientDC.m_hDC), lParam));
    }
    CString text = GetWindowText();
    for (int i = 0; i < m_nImageCount; ++i) {
        RenderImage(i, &clientDC, hBackground, rcClient, text);
    }
}

// The context is stored before it is drawn on, so that it is freed even when drawing throws.
void ABitmapCheckBox2::RenderImage(int nIndex, CDC* pClientDC, HBRUSH hBackground,
                                   const CRect& rcClient, const CString& text) {
    auto pImageDC = std::make_unique<CDC>();
    if (!pImageDC->CreateCompatibleDC(pClientDC)) {
        AfxThrowResourceException();
    }
    auto pBitmap = std::make_unique<CBitmap>();
    if (!pBitmap->CreateCompatibleBitmap(pClientDC, rcClient.Width(), rcClient.Height())) {
        AfxThrowResourceException();
    }
    HGDIOBJ hDefault = ::SelectObject(pImageDC->m_hDC, pBitmap->m_hObject);
    if (hDefault == nullptr) {
        AfxThrowResourceException();
    }
    m_hDefaultBitmap = static_cast<HBITMAP>(hDefault);
    pBitmap.release();
    if (hBackground != nullptr) {
        ::FillRect(pImageDC->m_hDC, &rcClient, hBackground);
    }
    CDC* pDC = pImageDC.release();
    m_ppImageDCs[nIndex] = pDC;
    DrawResourceBitmap(pDC, rcClient, m_nFirstImageId + nIndex, 5, kMaskTransparent,
                       kTransparentKey);
    DrawButtonText(pDC, rcClient, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
