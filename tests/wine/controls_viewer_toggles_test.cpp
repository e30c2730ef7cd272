// The viewer's two zoom-mode toggles as bitmap check boxes: their objects, the faces they show on
// screen, the click the viewer hears, and their end with the viewer.
#include "bitmap_check_box.h"
#include "bitmap_painting.h"
#include "resource.h"
#include "viewer_dlg.h"
#include "wine_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

namespace {

// The toggle objects whose freeing the test waits for.
void* g_watched[2] = {};
bool g_freed[2] = {};

} // namespace

// Notes the freeing of watched objects; frees as the library's own operator does.
void operator delete(void* p) noexcept {
    for (int i = 0; i < 2; ++i) {
        if (p != nullptr && p == g_watched[i]) {
            g_freed[i] = true;
        }
    }
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    ::operator delete(p);
}

namespace {

// Ids written out, not taken from the program's names: a swapped face must fail here.
const int kToggleIds[2] = {1018, 1019};

class ControlsViewerToggles : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_viewer.Create(IDD_VIEWER));
        for (int i = 0; i < 2; ++i) {
            m_hToggle[i] = ::GetDlgItem(m_viewer.m_hWnd, kToggleIds[i]);
            m_pToggle[i] =
                DYNAMIC_DOWNCAST(ABitmapCheckBox, CWnd::FromHandlePermanent(m_hToggle[i]));
        }
    }
    void TearDown() override {
        if (m_viewer.m_hWnd != nullptr) {
            m_viewer.DestroyWindow();
        }
    }

    // How many pixels of the toggle's face on screen differ from image nID drawn where the
    // library draws it; -1 when the image would not be drawn at all.
    int ScreenDifferencesFrom(int i, UINT nID) {
        HWND h = m_hToggle[i];
        ::RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        CRect client;
        ::GetClientRect(h, &client);
        CDC screen;
        screen.Attach(::GetDC(h));
        CBitmap face;
        face.CreateCompatibleBitmap(&screen, client.Width(), client.Height());
        CDC expected;
        expected.CreateCompatibleDC(&screen);
        CGdiObject* pOld = expected.SelectObject(&face);
        CRect image = DrawImage(&expected, client, nID, FALSE, 5);
        int differences = image == client ? -1 : 0;
        for (int y = image.top; y < image.bottom; ++y) {
            for (int x = image.left; x < image.right; ++x) {
                differences += screen.GetPixel(x, y) != expected.GetPixel(x, y) ? 1 : 0;
            }
        }
        expected.SelectObject(pOld);
        ::ReleaseDC(h, screen.Detach());
        return differences;
    }

    void Click(int i) {
        ::SendMessageW(m_hToggle[i], WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        ::SendMessageW(m_hToggle[i], WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }

    ScopedCommandLine m_commandLine{SourceFile("res/sample/b-320b.bmp")};
    ViewerDlg m_viewer{nullptr};
    HWND m_hToggle[2] = {};
    ABitmapCheckBox* m_pToggle[2] = {};
};

TEST_F(ControlsViewerToggles, EachToggleIsABitmapCheckBoxKeepingItsState) {
    const UINT images[2] = {226, 228};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE("toggle " + std::to_string(kToggleIds[i]));
        ASSERT_NE(m_pToggle[i], nullptr);
        EXPECT_EQ(m_pToggle[i]->m_nImageId, images[i]);
        EXPECT_TRUE(m_pToggle[i]->m_bAutoDelete);
        EXPECT_EQ(m_pToggle[i]->m_nKind, kCheckBoxKind);
        EXPECT_EQ(::GetWindowLongW(m_hToggle[i], GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    }
    EXPECT_EQ(m_pToggle[0]->m_nCheckState, 1u) << "zoom-in mode starts pressed";
    EXPECT_EQ(m_pToggle[1]->m_nCheckState, 0u);
}

TEST_F(ControlsViewerToggles, FacesShowTheUpImageAndTheNextOneDown) {
    EXPECT_EQ(ScreenDifferencesFrom(0, 227), 0);
    EXPECT_EQ(ScreenDifferencesFrom(1, 228), 0);
    EXPECT_GT(ScreenDifferencesFrom(0, 226), 0) << "the up and down faces differ";

    ::SendMessageW(m_hToggle[0], BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_EQ(ScreenDifferencesFrom(0, 226), 0);
}

TEST_F(ControlsViewerToggles, AClickFlipsTheToggleBeforeTheViewerHearsOfIt) {
    Click(1);
    EXPECT_EQ(m_viewer.State().settings.m_nZoomMode, 1) << "the viewer read zoom-out as down";
    EXPECT_EQ(::SendMessageW(m_hToggle[0], BM_GETCHECK, 0, 0), 0);
    EXPECT_EQ(::SendMessageW(m_hToggle[1], BM_GETCHECK, 0, 0), 1);
    EXPECT_EQ(ScreenDifferencesFrom(0, 226), 0);
    EXPECT_EQ(ScreenDifferencesFrom(1, 229), 0);
    Click(1);
    EXPECT_EQ(m_viewer.State().settings.m_nZoomMode, 5) << "both up";
    EXPECT_EQ(ScreenDifferencesFrom(1, 228), 0);
}

TEST_F(ControlsViewerToggles, BothObjectsAreDeletedWhenTheViewerCloses) {
    for (int i = 0; i < 2; ++i) {
        ASSERT_NE(m_pToggle[i], nullptr);
        g_watched[i] = m_pToggle[i];
        g_freed[i] = false;
    }
    m_viewer.DestroyWindow();
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(g_freed[i]) << "toggle " << kToggleIds[i];
        EXPECT_EQ(CWnd::FromHandlePermanent(m_hToggle[i]), nullptr);
        g_watched[i] = nullptr;
    }
}

} // namespace
