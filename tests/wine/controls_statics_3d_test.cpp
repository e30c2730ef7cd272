// The 3D statics on the screen: the panel looks of the rectangle and frame types, the text types
// left to the system, and the label's own text with its buffer rules and traceless changes.
#include "ctrl_3d.h"
#include "edge_colors.h"
#include "panel_3d.h"
#include "static_3d.h"
#include "wine_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

int DifferingPixels(const ClientCapture& a, const ClientCapture& b) {
    int n = 0;
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
            n += a.At(x, y) != b.At(x, y) ? 1 : 0;
        }
    }
    return n;
}

ClientCapture Painted(CWnd& w) {
    w.UpdateWindow();
    return ClientCapture(w.m_hWnd);
}

// One ring of a bevel in a square capture, the given number of pixels in from its edge: the
// top-left colour along the top and left edges, the bottom-right colour along the others but for
// the corners they share with them.
void ExpectRing(const ClientCapture& shot, int inset, COLORREF topLeft, COLORREF bottomRight) {
    int last = shot.Width() - 1 - inset;
    for (int i = inset; i <= last; ++i) {
        SCOPED_TRACE(testing::Message() << "ring " << inset << ", pixel " << i);
        EXPECT_EQ(shot.At(i, inset), topLeft);
        EXPECT_EQ(shot.At(inset, i), topLeft);
        if (i > inset) {
            EXPECT_EQ(shot.At(i, last), bottomRight);
            EXPECT_EQ(shot.At(last, i), bottomRight);
        }
    }
}

class ControlsStatics3d : public testing::Test {
  protected:
    TestPopup m_parent{CRect(10, 10, 410, 210)};
    const COLORREF m_face = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF m_light = HighlightColor(m_face);
    const COLORREF m_dark = ShadowColor(m_face);
};

TEST_F(ControlsStatics3d, BlackRectangleIsASunkenRingARaisedRingAndAFace) {
    A3dCtrl ctrl;
    ASSERT_TRUE(ctrl.Create(L"", kChild | SS_BLACKRECT, CRect(10, 10, 20, 20), &m_parent));
    ClientCapture shot = Painted(ctrl);
    ASSERT_EQ(shot.Width(), 10);
    ExpectRing(shot, 0, m_dark, m_light); // the outer ring, sunken
    ExpectRing(shot, 1, m_light, m_dark); // the inner ring, raised
    int face = 0;
    for (int y = 2; y < 8; ++y) {
        for (int x = 2; x < 8; ++x) {
            face += shot.At(x, y) == m_face ? 1 : 0;
        }
    }
    EXPECT_EQ(face, 36);
}

// Every other rectangle and frame type, 20 x 20, read from one edge across to the other through
// the middle, both ways: a black round frame where the type has one, then its bevels, then face.
TEST_F(ControlsStatics3d, EachFrameAndRectangleTypeShowsItsFrameAndBevels) {
    const COLORREF black = RGB(0, 0, 0);
    const COLORREF f = m_face;
    const COLORREF framedFace[] = {black, f, f, f, f, f, f, f, black};
    const COLORREF raisedThenSunken[] = {m_light, m_dark, f, f, f, f, f, m_light, m_dark};
    const COLORREF framedSunken[] = {black, m_dark, m_dark, f, f, f, m_light, m_light, black};
    const COLORREF framedRaised[] = {black, m_light, m_light, f, f, f, m_dark, m_dark, black};
    struct Look {
        DWORD type;
        const COLORREF* across;
    };
    std::vector<Look> looks = {{SS_GRAYRECT, framedFace},
                               {SS_WHITERECT, raisedThenSunken},
                               {SS_BLACKFRAME, framedSunken},
                               {SS_GRAYFRAME, framedFace},
                               {SS_WHITEFRAME, framedRaised}};
    // The types above the named ones: a frame round a face.
    for (DWORD type = 10; type <= 15; ++type) {
        looks.push_back({type, framedFace});
    }
    const int at[] = {0, 1, 2, 3, 10, 16, 17, 18, 19};
    auto expectLook = [&](DWORD type, const COLORREF* across) {
        SCOPED_TRACE(testing::Message() << "type " << type);
        A3dCtrl ctrl;
        ASSERT_TRUE(ctrl.Create(L"", kChild | type, CRect(10, 10, 30, 30), &m_parent));
        ClientCapture shot = Painted(ctrl);
        for (int i = 0; i < 9; ++i) {
            EXPECT_EQ(shot.At(at[i], 10), across[i]) << "x " << at[i];
            EXPECT_EQ(shot.At(10, at[i]), across[i]) << "y " << at[i];
        }
    };
    for (const Look& look : looks) {
        expectLook(look.type, look.across);
    }
}

TEST_F(ControlsStatics3d, TextTypesArePaintedExactlyAsAPlainStatic) {
    A3dCtrl ctrl;
    ASSERT_TRUE(ctrl.Create(L"Kt-410", kChild | SS_LEFT, CRect(10, 10, 90, 30), &m_parent));
    CStatic plain;
    ASSERT_TRUE(plain.Create(L"Kt-410", kChild | SS_LEFT, CRect(10, 40, 90, 60), &m_parent));
    ClientCapture ours = Painted(ctrl);
    ClientCapture system = Painted(plain);
    EXPECT_EQ(DifferingPixels(ours, system), 0);
    int inked = 0;
    for (int x = 0; x < 80; ++x) {
        inked += ours.At(x, 8) != system.At(79, 19) ? 1 : 0;
    }
    EXPECT_GT(inked, 0) << "the text is there";
}

TEST_F(ControlsStatics3d, LabelAnswersFromItsOwnTextWithinTheCallersBuffer) {
    A3dStatic label;
    ASSERT_TRUE(label.Create(L"caption", kChild | SS_LEFT, CRect(10, 10, 90, 30), &m_parent));
    EXPECT_EQ(label.m_rcText, CRect(3, 3, 77, 17));
    label.SetWindowText(L"Hello");
    wchar_t own[16] = L"";
    ::InternalGetWindowText(label.m_hWnd, own, 16);
    EXPECT_STREQ(own, L"caption") << "the window's own text stays";

    struct Case {
        int size;
        LRESULT copied;
        const wchar_t* buffer;
    };
    const Case cases[] = {{0, 0, L"#########"}, {1, 0, L""},      {4, 3, L"Hel"},
                          {5, 4, L"Hell"},      {6, 5, L"Hello"}, {9, 5, L"Hello"}};
    for (const Case& c : cases) {
        wchar_t buffer[10] = L"#########";
        EXPECT_EQ(label.SendMessage(WM_GETTEXT, c.size, reinterpret_cast<LPARAM>(buffer)), c.copied)
            << "size " << c.size;
        EXPECT_STREQ(buffer, c.buffer) << "size " << c.size;
    }
    EXPECT_EQ(label.SendMessage(WM_GETTEXTLENGTH), 5);
    EXPECT_EQ(std::wstring(label.GetWindowText()), L"Hello");

    label.MoveWindow(10, 10, 80, 5);
    EXPECT_EQ(label.m_rcText, CRect(0, 0, 80, 5)) << "too low for the inset";
}

TEST_F(ControlsStatics3d, ATakenOverLabelShowsNothingOfTheWindowsOwnText) {
    HWND hCaptioned = ::CreateWindowExW(0, L"Static", L"caption", kChild | SS_LEFT, 10, 10, 80, 20,
                                        m_parent.m_hWnd, nullptr, nullptr, nullptr);
    A3dStatic label;
    ASSERT_TRUE(label.SubclassWindow(hCaptioned));
    EXPECT_EQ(label.SendMessage(WM_GETTEXTLENGTH), 0);
    wchar_t buffer[16] = L"#";
    EXPECT_EQ(label.SendMessage(WM_GETTEXT, 16, reinterpret_cast<LPARAM>(buffer)), 0);
    EXPECT_STREQ(buffer, L"");
    A3dStatic blank;
    ASSERT_TRUE(blank.Create(L"", kChild | SS_LEFT, CRect(10, 40, 90, 60), &m_parent));
    EXPECT_EQ(DifferingPixels(Painted(label), Painted(blank)), 0) << "no caption is drawn";
}

TEST_F(ControlsStatics3d, TextChangeLeavesNoTraceOfTheOldText) {
    A3dStatic label;
    ASSERT_TRUE(label.Create(L"", kChild | SS_LEFT, CRect(10, 10, 130, 34), &m_parent));
    label.SetWindowText(L"WMWMWMWM");
    ClientCapture before = Painted(label);
    label.SetWindowText(L"il");
    RECT pending;
    EXPECT_FALSE(::GetUpdateRect(label.m_hWnd, &pending, FALSE)) << "only the text is redrawn";
    ClientCapture after(label.m_hWnd);

    A3dStatic twin;
    ASSERT_TRUE(twin.Create(L"", kChild | SS_LEFT, CRect(10, 40, 130, 64), &m_parent));
    twin.SetWindowText(L"il");
    ClientCapture fresh = Painted(twin);
    EXPECT_GT(DifferingPixels(before, fresh), 50) << "the old text was there";
    EXPECT_EQ(DifferingPixels(after, fresh), 0);
    EXPECT_EQ(after.At(0, 12), RGB(0, 0, 0)) << "the frame";
    EXPECT_EQ(after.At(1, 12), m_dark) << "the sunken bevel";
}

TEST_F(ControlsStatics3d, PlainLabelLeavesTheBackgroundAndUsesItsWholeArea) {
    const COLORREF sentinel = RGB(1, 2, 3);
    A3dStatic label;
    label.m_bPlain = TRUE;
    ASSERT_TRUE(label.Create(L"", kChild | SS_LEFT, CRect(10, 10, 90, 30), &m_parent));
    EXPECT_EQ(label.m_rcText, CRect(0, 0, 80, 20));
    A3dPanel framed;
    ASSERT_TRUE(framed.Create(L"", kChild | SS_LEFT, CRect(10, 40, 90, 60), &m_parent));

    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.Attach(CreateDib32(80, 20));
    CGdiObject* pOld = dc.SelectObject(&bitmap);
    for (A3dStatic* pLabel : {&label, static_cast<A3dStatic*>(&framed)}) {
        dc.FillSolidRect(CRect(0, 0, 80, 20), sentinel);
        EXPECT_TRUE(pLabel->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC)));
        bool plain = pLabel == &label;
        EXPECT_EQ(dc.GetPixel(0, 10) == sentinel, plain);
        EXPECT_EQ(dc.GetPixel(40, 10) == sentinel, plain);
    }
    dc.SelectObject(pOld);
}

} // namespace
