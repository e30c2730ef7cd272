// What the drawn members of the check-button family show for each check state: each face is
// compared with the library's own drawing helpers (checked pixel by pixel elsewhere) drawing the
// same images into a twin.
#include "bitmap_check_box.h"
#include "bitmap_check_box2.h"
#include "bitmap_check_button.h"
#include "bitmap_painting.h"
#include "check_button_3d.h"
#include "frame_painting.h"
#include "resource.h"

#include "wine_test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

constexpr COLORREF kUntouched = RGB(1, 2, 3);
constexpr int kWidth = 80;
constexpr int kHeight = 60;

// A memory context over a 32-bit bitmap of the button's size, filled with one colour.
class Surface {
  public:
    explicit Surface(COLORREF fill = kUntouched, int width = kWidth, int height = kHeight)
        : m_width(width), m_height(height) {
        m_bitmap.Attach(CreateDib32(width, height));
        m_dc.CreateCompatibleDC(nullptr);
        m_pOld = m_dc.SelectObject(&m_bitmap);
        m_dc.FillSolidRect(CRect(0, 0, width, height), fill);
    }
    ~Surface() { m_dc.SelectObject(m_pOld); }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    CDC* DC() { return &m_dc; }
    CRect Rect() const { return CRect(0, 0, m_width, m_height); }
    COLORREF At(int x, int y) const { return m_dc.GetPixel(x, y); }

    // The number of pixels that differ from another surface's (or context's) pixels.
    int DifferencesFrom(const CDC& other) const {
        int n = 0;
        for (int y = 0; y < m_height; ++y) {
            for (int x = 0; x < m_width; ++x) {
                n += At(x, y) != other.GetPixel(x, y) ? 1 : 0;
            }
        }
        return n;
    }
    int DifferencesFrom(const Surface& other) const { return DifferencesFrom(other.m_dc); }

  private:
    int m_width;
    int m_height;
    CBitmap m_bitmap;
    CDC m_dc;
    CGdiObject* m_pOld = nullptr;
};

// A pop-up parent: passes drawing back to the buttons and answers the old control-colour message
// with its brush, if it has one.
class FaceParent : public CWnd {
  public:
    FaceParent() {
        SubclassWindow(::CreateWindowExW(0, L"Static", L"", WS_POPUP | WS_VISIBLE, 20, 20, 300, 200,
                                         nullptr, nullptr, nullptr, nullptr));
    }
    ~FaceParent() override { DestroyWindow(); }

    HWND AddButton(DWORD style, const wchar_t* text = L"") {
        return ::CreateWindowExW(0, L"Button", text, WS_CHILD | WS_VISIBLE | style, 5, 5, kWidth,
                                 kHeight, m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(40)),
                                 nullptr, nullptr);
    }

    // Has the button draw itself on the surface, the way the system asks for it.
    void Draw(HWND hButton, Surface* surface) {
        DRAWITEMSTRUCT dis{};
        dis.CtlType = ODT_BUTTON;
        dis.CtlID = 40;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.hwndItem = hButton;
        dis.hDC = surface->DC()->m_hDC;
        dis.rcItem = surface->Rect();
        SendMessage(WM_DRAWITEM, 40, reinterpret_cast<LPARAM>(&dis));
    }

    HBRUSH m_hBrush = nullptr;
    int m_nColourRequests = 0;
    WPARAM m_wColourDC = 0;
    LPARAM m_lColourItem = 0;

  protected:
    LRESULT OnCtlColor(WPARAM wParam, LPARAM lParam) {
        ++m_nColourRequests;
        m_wColourDC = wParam;
        m_lColourItem = lParam;
        return reinterpret_cast<LRESULT>(m_hBrush);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(FaceParent, CWnd)
ON_MESSAGE(0x0019, OnCtlColor)
END_MESSAGE_MAP()

// The twin of a bitmap check box's face: image nID as DrawImage places it, then the text.
void DrawExpectedFace(Surface* twin, UINT nID, BOOL bIcon, const wchar_t* text) {
    if (nID != 0) {
        DrawImage(twin->DC(), twin->Rect(), nID, bIcon, 5);
    }
    if (*text != L'\0') {
        CGdiObject* pOld = twin->DC()->SelectStockObject(SYSTEM_FONT);
        twin->DC()->SetBkMode(TRANSPARENT);
        CRect rc = twin->Rect();
        twin->DC()->DrawText(text, -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        twin->DC()->SelectObject(pOld);
    }
}

int FaceDifferences(FaceParent& parent, HWND hButton, UINT nExpectedID, BOOL bIcon = FALSE,
                    const wchar_t* text = L"") {
    Surface drawn;
    parent.Draw(hButton, &drawn);
    Surface twin;
    DrawExpectedFace(&twin, nExpectedID, bIcon, text);
    return drawn.DifferencesFrom(twin);
}

class ControlsBitmapCheckBox : public testing::Test {
  protected:
    FaceParent m_parent;
};

TEST_F(ControlsBitmapCheckBox, IsASelfDeletingCheckButtonWithCentredImages) {
    auto* box =
        new ABitmapCheckBox(CWnd::FromHandle(m_parent.AddButton(BS_AUTOCHECKBOX)), IDB_ZOOM_IN_UP);
    EXPECT_TRUE(box->IsKindOf(RUNTIME_CLASS(ACheckButton)));
    EXPECT_STREQ(box->GetRuntimeClass()->m_lpszClassName, "ABitmapCheckBox");
    EXPECT_TRUE(box->m_bAutoDelete);
    EXPECT_FALSE(box->m_bImageIsIcon);
    EXPECT_EQ(box->m_nImageId, static_cast<UINT>(IDB_ZOOM_IN_UP));
    EXPECT_EQ(box->m_nPlacement, 5u);
    EXPECT_EQ(box->m_nTextFormat, 0x25u);
    EXPECT_EQ(box->m_nKind, kCheckBoxKind);
    box->DestroyWindow();
}

TEST_F(ControlsBitmapCheckBox, ShowsItsImageUpAndTheNextOneDownWithNoBackground) {
    HWND h = m_parent.AddButton(BS_AUTOCHECKBOX | BS_PUSHLIKE);
    auto* box = new ABitmapCheckBox(CWnd::FromHandle(h), IDB_ZOOM_OUT_UP);
    EXPECT_EQ(FaceDifferences(m_parent, h, IDB_ZOOM_OUT_UP), 0);
    EXPECT_NE(FaceDifferences(m_parent, h, IDB_ZOOM_OUT_DOWN), 0) << "the two faces differ";
    ::SendMessageW(h, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(FaceDifferences(m_parent, h, IDB_ZOOM_OUT_DOWN), 0);
    ::SendMessageW(h, BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_EQ(FaceDifferences(m_parent, h, IDB_ZOOM_OUT_UP), 0) << "indeterminate is not checked";
    box->m_nCheckedState = 2;
    EXPECT_EQ(FaceDifferences(m_parent, h, IDB_ZOOM_OUT_DOWN), 0);
    box->DestroyWindow();
}

TEST_F(ControlsBitmapCheckBox, TextGoesOverTheImage) {
    HWND h = m_parent.AddButton(BS_AUTOCHECKBOX, L"KT");
    auto* box = new ABitmapCheckBox(CWnd::FromHandle(h), IDB_ZOOM_IN_UP);
    EXPECT_EQ(FaceDifferences(m_parent, h, IDB_ZOOM_IN_UP, FALSE, L"KT"), 0);
    EXPECT_NE(FaceDifferences(m_parent, h, IDB_ZOOM_IN_UP), 0) << "the text shows";
    box->m_nImageId = 0;
    EXPECT_EQ(FaceDifferences(m_parent, h, 0, FALSE, L"KT"), 0) << "no image, text only";
    box->DestroyWindow();
}

TEST_F(ControlsBitmapCheckBox, IconImagesAreDrawnAtTheIconSize) {
    HWND h = m_parent.AddButton(BS_AUTOCHECKBOX);
    auto* box = new ABitmapCheckBox(CWnd::FromHandle(h), IDR_MAINFRAME);
    box->m_bImageIsIcon = TRUE;
    EXPECT_EQ(FaceDifferences(m_parent, h, IDR_MAINFRAME, TRUE), 0);
    EXPECT_NE(FaceDifferences(m_parent, h, 0), 0);
    ::SendMessageW(h, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(FaceDifferences(m_parent, h, 0), 0) << "there is no icon after the base one";
    box->DestroyWindow();
}

TEST_F(ControlsBitmapCheckBox, PushKindShowsItsDownImageWhileHeld) {
    HWND h = m_parent.AddButton(BS_PUSHBUTTON);
    auto* box = new ABitmapCheckBox(CWnd::FromHandle(h), IDB_ZOOM_IN_UP);
    ::SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    EXPECT_EQ(FaceDifferences(m_parent, h, IDB_ZOOM_IN_DOWN), 0);
    ::SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    EXPECT_EQ(FaceDifferences(m_parent, h, IDB_ZOOM_IN_UP), 0);
    box->DestroyWindow();
}

class ControlsBitmapCheckBox2 : public testing::Test {
  protected:
    void SetUp() override {
        m_green.CreateSolidBrush(RGB(0, 160, 0));
        m_parent.m_hBrush = m_green;
        m_hButton = m_parent.AddButton(BS_AUTO3STATE);
        m_pBox = std::make_unique<ABitmapCheckBox2>(CWnd::FromHandle(m_hButton), FALSE,
                                                    IDB_ZOOM_IN_UP, 2);
    }
    void Resize(int cx, int cy) {
        ::SetWindowPos(m_hButton, nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER);
    }
    CSize ImageSize(int i) const {
        BITMAP bm{};
        ::GetObjectW(::GetCurrentObject(m_pBox->m_ppImageDCs[i]->m_hDC, OBJ_BITMAP), sizeof(bm),
                     &bm);
        return CSize(bm.bmWidth, bm.bmHeight);
    }
    // The twin of image i: the parent's brush, then the resource drawn the library's way.
    int ImageDifferences(int i, int cx, int cy, const wchar_t* text = L"") {
        Surface twin(RGB(0, 160, 0), cx, cy);
        DrawResourceBitmap(twin.DC(), twin.Rect(), IDB_ZOOM_IN_UP + i, 5, kMaskTransparent,
                           kTransparentKey);
        DrawExpectedFace(&twin, 0, FALSE, text);
        return twin.DifferencesFrom(*m_pBox->m_ppImageDCs[i]);
    }

    FaceParent m_parent;
    CBrush m_green;
    HWND m_hButton = nullptr;
    std::unique_ptr<ABitmapCheckBox2> m_pBox;
};

TEST_F(ControlsBitmapCheckBox2, ResizingRendersEachImageOverTheParentsBrush) {
    EXPECT_EQ(m_pBox->m_nFirstImageId, static_cast<UINT>(IDB_ZOOM_IN_UP));
    EXPECT_EQ(m_pBox->m_nImageCount, 2);
    EXPECT_EQ(m_pBox->m_ppImageDCs[0], nullptr);
    Resize(70, 56);
    EXPECT_EQ(m_parent.m_nColourRequests, 1);
    EXPECT_NE(m_parent.m_wColourDC, 0u);
    EXPECT_EQ(m_parent.m_lColourItem,
              MAKELPARAM(LOWORD(reinterpret_cast<UINT_PTR>(m_hButton)), CTLCOLOR_BTN));
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE("image " + std::to_string(i));
        ASSERT_NE(m_pBox->m_ppImageDCs[i], nullptr);
        EXPECT_EQ(ImageSize(i), CSize(70, 56));
        EXPECT_EQ(ImageDifferences(i, 70, 56), 0);
    }
}

TEST_F(ControlsBitmapCheckBox2, AnEmptySizeLeavesTheImagesAlone) {
    Resize(70, 56);
    CDC* first = m_pBox->m_ppImageDCs[0];
    HDC hFirst = first->m_hDC;
    for (CSize empty : {CSize(0, 40), CSize(40, 0)}) {
        Resize(empty.cx, empty.cy);
        EXPECT_EQ(m_pBox->m_ppImageDCs[0], first);
        EXPECT_EQ(first->m_hDC, hFirst);
        EXPECT_EQ(ImageSize(0), CSize(70, 56));
    }
    EXPECT_EQ(m_parent.m_nColourRequests, 1);
}

TEST_F(ControlsBitmapCheckBox2, ANewSizeReplacesTheImages) {
    Resize(70, 56);
    HDC hOld = m_pBox->m_ppImageDCs[1]->m_hDC;
    HGDIOBJ hOldImage = ::GetCurrentObject(hOld, OBJ_BITMAP);
    ::SetWindowTextW(m_hButton, L"KT");
    Resize(90, 52);
    EXPECT_EQ(::GetObjectType(hOld), 0u) << "the old context is deleted";
    EXPECT_EQ(::GetObjectType(hOldImage), 0u) << "and its image with it";
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(ImageSize(i), CSize(90, 52));
        EXPECT_EQ(ImageDifferences(i, 90, 52, L"KT"), 0) << "image " << i;
    }
}

TEST_F(ControlsBitmapCheckBox2, ShowsTheImageOfItsCheckState) {
    Resize(kWidth, kHeight);
    for (UINT state : {0u, 1u, 2u}) {
        ::SendMessageW(m_hButton, BM_SETCHECK, state, 0);
        Surface drawn;
        m_parent.Draw(m_hButton, &drawn);
        int image = state == 0 ? 0 : 1;
        EXPECT_EQ(drawn.DifferencesFrom(*m_pBox->m_ppImageDCs[image]), 0) << "state " << state;
    }
}

TEST_F(ControlsBitmapCheckBox2, RendersOnFirstUseAndWithoutABrushLeavesTheBitmapBlack) {
    m_parent.m_hBrush = nullptr;
    Surface drawn;
    m_parent.Draw(m_hButton, &drawn);
    ASSERT_NE(m_pBox->m_ppImageDCs[0], nullptr);
    EXPECT_EQ(drawn.DifferencesFrom(*m_pBox->m_ppImageDCs[0]), 0);
    EXPECT_EQ(drawn.At(0, 0), RGB(0, 0, 0));
}

// The example face and its edges, worked out by hand from the colour rules.
constexpr COLORREF kFace = RGB(192, 128, 64);
constexpr COLORREF kLight = RGB(223, 158, 83);
constexpr COLORREF kDark = RGB(136, 79, 38);

class ControlsCheckButton3D : public testing::Test {
  protected:
    FaceParent m_parent;
};

TEST_F(ControlsCheckButton3D, FaceIsRaisedUpAndSunkenWhileChecked) {
    HWND h = m_parent.AddButton(BS_AUTOCHECKBOX);
    A3DCheckButton button(CWnd::FromHandle(h), FALSE, kFace, 2);
    EXPECT_TRUE(button.IsKindOf(RUNTIME_CLASS(ACheckButton)));
    for (int check : {0, 1}) {
        SCOPED_TRACE("check " + std::to_string(check));
        ::SendMessageW(h, BM_SETCHECK, check, 0);
        Surface drawn;
        m_parent.Draw(h, &drawn);
        COLORREF topLeft = check ? kDark : kLight;
        COLORREF bottomRight = check ? kLight : kDark;
        for (int ring : {0, 1}) {
            EXPECT_EQ(drawn.At(ring, 30), topLeft);
            EXPECT_EQ(drawn.At(40, ring), topLeft);
            EXPECT_EQ(drawn.At(kWidth - 1 - ring, 30), bottomRight);
            EXPECT_EQ(drawn.At(40, kHeight - 1 - ring), bottomRight);
        }
        EXPECT_EQ(drawn.At(2, 2), kFace);
        EXPECT_EQ(drawn.At(40, 30), kFace);
    }
    ::SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    ::SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    EXPECT_EQ(button.m_nCheckState, 0u) << "it behaves as the check box it was";
}

TEST_F(ControlsCheckButton3D, BitmapButtonCarriesItsImageOnTheFace) {
    HWND h = m_parent.AddButton(BS_AUTOCHECKBOX);
    ABitmapCheckButton button(CWnd::FromHandle(h), FALSE, IDB_ZOOM_IN_UP, kFace);
    EXPECT_TRUE(button.IsKindOf(RUNTIME_CLASS(ACheckButton)));
    for (int check : {0, 1}) {
        SCOPED_TRACE("check " + std::to_string(check));
        ::SendMessageW(h, BM_SETCHECK, check, 0);
        Surface drawn;
        m_parent.Draw(h, &drawn);
        Surface twin;
        CRect face = DrawPanel(twin.DC(), twin.Rect(), kFace, check ? kSunkenBevel : kRaisedBevel,
                               kNoBevel, 2, 0, nullptr);
        DrawImage(twin.DC(), face, IDB_ZOOM_IN_UP, FALSE, 5);
        EXPECT_EQ(drawn.DifferencesFrom(twin), 0);
        EXPECT_EQ(drawn.At(0, 30), check ? kDark : kLight);
        EXPECT_NE(drawn.At(40, 30), kFace) << "the image is on the face";
    }
}

} // namespace
