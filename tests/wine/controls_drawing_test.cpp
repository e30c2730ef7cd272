// The control library's memory contexts and drawing helpers, checked pixel by pixel on memory
// device contexts.
#include "bitmap_painting.h"
#include "frame_painting.h"
#include "offscreen_dc.h"
#include "resource.h"

#include "wine_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

// Rectangles in failure messages.
static void PrintTo(const CRect& r, std::ostream* os) {
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// A 32-bit bitmap selected into a memory context; every pixel starts with its own colour so
// that a pixel left alone can be told from one painted over.
class Canvas {
  public:
    Canvas(int width, int height) : m_width(width), m_height(height) {
        m_bitmap.Attach(CreateDib32(width, height));
        m_dc.CreateCompatibleDC(nullptr);
        m_pOld = m_dc.SelectObject(&m_bitmap);
        Fill(Background);
    }
    ~Canvas() { m_dc.SelectObject(m_pOld); }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    static COLORREF Background(int x, int y) { return RGB(3 * x + 1, 5 * y + 2, 77); }

    CDC* DC() { return &m_dc; }
    CBitmap* Bitmap() { return &m_bitmap; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    COLORREF At(int x, int y) const { return m_dc.GetPixel(x, y); }
    void Fill(const std::function<COLORREF(int, int)>& colour) {
        for (int y = 0; y < m_height; ++y) {
            for (int x = 0; x < m_width; ++x) {
                m_dc.SetPixel(x, y, colour(x, y));
            }
        }
    }

  private:
    int m_width;
    int m_height;
    CBitmap m_bitmap;
    CDC m_dc;
    CGdiObject* m_pOld = nullptr;
};

std::string Hex(COLORREF c) {
    std::ostringstream out;
    out << std::hex << c;
    return out.str();
}

// Compares every pixel; reports how many differ and the first few.
testing::AssertionResult PixelsAre(const Canvas& canvas,
                                   const std::function<COLORREF(int, int)>& expected) {
    int wrong = 0;
    std::ostringstream first;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            COLORREF want = expected(x, y);
            COLORREF got = canvas.At(x, y);
            if (got != want && ++wrong <= 5) {
                first << " (" << x << ", " << y << ") is " << Hex(got) << " not " << Hex(want)
                      << ";";
            }
        }
    }
    if (wrong == 0) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << wrong << " pixels differ:" << first.str();
}

testing::AssertionResult Untouched(const Canvas& canvas) {
    return PixelsAre(canvas, Canvas::Background);
}

bool Inside(const RECT& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

// ---- memory contexts ----------------------------------------------------------------------

TEST(ControlsOffscreenDC, EachAnswersAsAPlainDeviceContext) {
    AOffscreenDC base;
    ASharedBitmapDC shared;
    AOwnedBitmapDC owned;
    for (CDC* dc :
         {static_cast<CDC*>(&base), static_cast<CDC*>(&shared), static_cast<CDC*>(&owned)}) {
        EXPECT_EQ(dc->GetRuntimeClass(), RUNTIME_CLASS(CDC));
        EXPECT_EQ(dc->m_hDC, nullptr);
    }
    EXPECT_EQ(base.m_pPrevObject, nullptr);
    EXPECT_EQ(owned.m_bmpOwn.m_hObject, nullptr);
}

TEST(ControlsOffscreenDC, SharedContextLeavesTheCallersBitmapSelectedNowhere) {
    CBitmap callers;
    callers.Attach(::CreateBitmap(8, 8, 1, 32, nullptr));
    HDC hdc = nullptr;
    {
        ASharedBitmapDC dc;
        dc.CreateCompatibleOrThrow(nullptr);
        dc.SelectWorkingBitmap(&callers);
        hdc = dc.m_hDC;
        ASSERT_NE(dc.m_pPrevObject, nullptr);
        EXPECT_EQ(::GetCurrentObject(hdc, OBJ_BITMAP), callers.m_hObject);
    }
    EXPECT_EQ(::GetObjectType(hdc), 0u) << "the context is deleted";
    EXPECT_EQ(::GetObjectType(callers.m_hObject), static_cast<DWORD>(OBJ_BITMAP));
    // A bitmap can be selected into one context at a time: this works only if it was let go.
    CDC other;
    other.CreateCompatibleDC(nullptr);
    CGdiObject* pOld = other.SelectObject(&callers);
    EXPECT_NE(pOld, nullptr);
    other.SelectObject(pOld);
}

TEST(ControlsOffscreenDC, OwnedContextDeletesItsMonochromeBitmapAndItself) {
    HDC hdc = nullptr;
    HGDIOBJ hOwn = nullptr;
    {
        AOwnedBitmapDC dc;
        dc.CreateCompatibleOrThrow(nullptr);
        dc.CreateMonochromeBitmap(16, 8);
        hdc = dc.m_hDC;
        hOwn = dc.m_bmpOwn.m_hObject;
        BITMAP bm{};
        ASSERT_NE(dc.m_bmpOwn.GetBitmap(&bm), 0);
        EXPECT_EQ(bm.bmWidth, 16);
        EXPECT_EQ(bm.bmHeight, 8);
        EXPECT_EQ(bm.bmPlanes, 1);
        EXPECT_EQ(bm.bmBitsPixel, 1);
        EXPECT_EQ(::GetCurrentObject(hdc, OBJ_BITMAP), hOwn);
    }
    EXPECT_EQ(::GetObjectType(hOwn), 0u);
    EXPECT_EQ(::GetObjectType(hdc), 0u);
}

TEST(ControlsOffscreenDC, OwnedContextWithNothingSelectedStillReleasesBoth) {
    HDC hdc = nullptr;
    HGDIOBJ hOwn = nullptr;
    {
        AOwnedBitmapDC dc;
        dc.CreateCompatibleOrThrow(nullptr);
        dc.m_bmpOwn.Attach(::CreateBitmap(4, 4, 1, 1, nullptr));
        hdc = dc.m_hDC;
        hOwn = dc.m_bmpOwn.m_hObject;
        EXPECT_EQ(dc.m_pPrevObject, nullptr);
    }
    EXPECT_EQ(::GetObjectType(hOwn), 0u);
    EXPECT_EQ(::GetObjectType(hdc), 0u);
}

// A white 64 x 32 colour bitmap in a shared context, for the pass-through operations.
class ControlsOffscreenPassThrough : public testing::Test {
  protected:
    void SetUp() override {
        m_screen.Attach(::GetDC(nullptr));
        m_bitmap.CreateCompatibleBitmap(&m_screen, 64, 32);
        m_dc.CreateCompatibleOrThrow(&m_screen);
        m_dc.SelectWorkingBitmap(&m_bitmap);
        m_dc.PatBlt(0, 0, 64, 32, WHITENESS);
    }
    void TearDown() override { ::ReleaseDC(nullptr, m_screen.Detach()); }

    bool AnyPixelNot(COLORREF colour, const RECT& r) {
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                if (m_dc.GetPixel(x, y) != colour) {
                    return true;
                }
            }
        }
        return false;
    }

    CDC m_screen;
    CBitmap m_bitmap;
    ASharedBitmapDC m_dc;
};

TEST_F(ControlsOffscreenPassThrough, TextGoesWhereItIsSent) {
    CSize size = m_dc.GetTextExtent(L"W", 1);
    EXPECT_TRUE(m_dc.TextOut(20, 4, L"W", 1));
    CRect box(20, 4, 20 + size.cx, 4 + size.cy);
    EXPECT_TRUE(AnyPixelNot(RGB(255, 255, 255), box));
    m_dc.PatBlt(box.left, box.top, box.Width(), box.Height(), WHITENESS);
    EXPECT_FALSE(AnyPixelNot(RGB(255, 255, 255), CRect(0, 0, 64, 32))) << "nothing outside";

    m_dc.SetBkColor(RGB(255, 0, 0));
    CRect opaque(40, 2, 50, 12);
    EXPECT_TRUE(m_dc.ExtTextOut(0, 0, ETO_OPAQUE, &opaque, L"", 0, nullptr));
    EXPECT_FALSE(AnyPixelNot(RGB(255, 0, 0), opaque));
    EXPECT_EQ(m_dc.GetPixel(50, 5), RGB(255, 255, 255));

    TEXTMETRICW tm{};
    ::GetTextMetricsW(m_dc.m_hDC, &tm);
    CRect rc(0, 0, 64, 32);
    EXPECT_EQ(m_dc.DrawText(L"KT", -1, &rc, DT_SINGLELINE | DT_CALCRECT), tm.tmHeight);
    EXPECT_EQ(rc.Width(), m_dc.GetTextExtent(L"KT", 2).cx);
}

TEST_F(ControlsOffscreenPassThrough, TabbedExtentKeepsNegativeHalves) {
    int tabs[] = {40};
    CSize plain = m_dc.TabbedTextOut(0, 0, L"ab\tc", 4, 1, tabs, 0);
    EXPECT_EQ(plain.cx, 40 + m_dc.GetTextExtent(L"c", 1).cx);
    EXPECT_GT(plain.cy, 0);

    // Logical units so small that both halves of the packed extent come to about 48000.
    CSize pixels = m_dc.GetTextExtent(L"abc", 3);
    ::SetMapMode(m_dc.m_hDC, MM_ANISOTROPIC);
    ::SetWindowExtEx(m_dc.m_hDC, 48000 / pixels.cx, 48000 / pixels.cy, nullptr);
    ::SetViewportExtEx(m_dc.m_hDC, 1, 1, nullptr);
    LONG packed = ::TabbedTextOutW(m_dc.m_hDC, 0, 0, L"abc", 3, 0, nullptr, 0);
    ASSERT_GE(LOWORD(packed), 0x8000) << "the case needs a width with the top bit set";
    ASSERT_GE(HIWORD(packed), 0x8000) << "the case needs a height with the top bit set";
    CSize extent = m_dc.TabbedTextOut(0, 0, L"abc", 3, 0, nullptr, 0);
    EXPECT_EQ(extent.cx, static_cast<int>(LOWORD(packed)) - 0x10000);
    EXPECT_EQ(extent.cy, static_cast<int>(HIWORD(packed)) - 0x10000);
    ::SetMapMode(m_dc.m_hDC, MM_TEXT);
}

TEST_F(ControlsOffscreenPassThrough, VisibilityFollowsTheClipRegion) {
    HRGN clip = ::CreateRectRgn(10, 10, 20, 20);
    ::SelectClipRgn(m_dc.m_hDC, clip);
    ::DeleteObject(clip);
    EXPECT_TRUE(m_dc.PtVisible(12, 12));
    EXPECT_FALSE(m_dc.PtVisible(5, 12));
    CRect outside(0, 0, 5, 5);
    CRect across(15, 15, 30, 30);
    EXPECT_FALSE(m_dc.RectVisible(&outside));
    EXPECT_TRUE(m_dc.RectVisible(&across));
    ::SelectClipRgn(m_dc.m_hDC, nullptr);
    EXPECT_TRUE(m_dc.PtVisible(5, 12));
}

struct GrayCall {
    LPARAM data = 0;
    int count = -1;
};

// Ink is white on the monochrome bitmap the output procedure draws on.
BOOL CALLBACK InkEverywhere(HDC hdc, LPARAM data, int count) {
    auto* call = reinterpret_cast<GrayCall*>(data);
    call->data = data;
    call->count = count;
    return ::PatBlt(hdc, 0, 0, 100, 100, WHITENESS);
}

TEST_F(ControlsOffscreenPassThrough, GrayStringPaintsThroughTheBrush) {
    GrayCall call;
    CBrush red(RGB(255, 0, 0));
    EXPECT_TRUE(
        m_dc.GrayString(&red, InkEverywhere, reinterpret_cast<LPARAM>(&call), 7, 8, 6, 10, 9));
    EXPECT_EQ(call.data, reinterpret_cast<LPARAM>(&call));
    EXPECT_EQ(call.count, 7);
    bool anyRed = false;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 64; ++x) {
            COLORREF c = m_dc.GetPixel(x, y);
            if (Inside(CRect(8, 6, 18, 15), x, y)) {
                anyRed = anyRed || c == RGB(255, 0, 0);
            } else {
                EXPECT_EQ(c, RGB(255, 255, 255)) << x << ", " << y;
            }
        }
    }
    EXPECT_TRUE(anyRed);
}

TEST_F(ControlsOffscreenPassThrough, EscapeReachesTheDriver) {
    int query = QUERYESCSUPPORT;
    EXPECT_NE(
        m_dc.Escape(QUERYESCSUPPORT, sizeof(query), reinterpret_cast<LPCSTR>(&query), nullptr), 0);
    int unknown = 0x7ABC;
    EXPECT_EQ(
        m_dc.Escape(QUERYESCSUPPORT, sizeof(unknown), reinterpret_cast<LPCSTR>(&unknown), nullptr),
        0);
}

// ---- frames, bevels and panels --------------------------------------------------------------

// A face colour and its edges, worked out by hand from the colour rules.
constexpr COLORREF kFace = RGB(192, 128, 64);
constexpr COLORREF kLight = RGB(223, 158, 83);
constexpr COLORREF kDark = RGB(136, 79, 38);
constexpr COLORREF kGreyFace = RGB(192, 192, 192);
constexpr COLORREF kGreyLight = RGB(255, 255, 255);
constexpr COLORREF kGreyDark = RGB(128, 128, 128);

// The colour a pixel of a bevel of nWidth rings on r gets, or the background.
COLORREF BevelPixel(const RECT& r, int nWidth, COLORREF topLeft, COLORREF bottomRight, int x,
                    int y) {
    if (!Inside(r, x, y)) {
        return Canvas::Background(x, y);
    }
    int ring =
        std::min(std::min(x - r.left, y - r.top), std::min(r.right - 1 - x, r.bottom - 1 - y));
    if (ring >= nWidth) {
        return Canvas::Background(x, y);
    }
    bool onRight = x == r.right - 1 - ring && y > r.top + ring;
    bool onBottom = y == r.bottom - 1 - ring && x > r.left + ring;
    return onRight || onBottom ? bottomRight : topLeft;
}

TEST(ControlsBevel, WidthTwoOnAThreePixelSquareEndsWithTheCentreLit) {
    Canvas canvas(5, 5);
    CRect inside = DrawBevel(canvas.DC(), CRect(0, 0, 3, 3), FALSE, 2, kFace);
    EXPECT_EQ(inside, CRect(2, 2, 1, 1));
    const COLORREF L = kLight;
    const COLORREF D = kDark;
    const COLORREF expected[3][3] = {{L, L, L}, {L, L, D}, {L, D, D}};
    EXPECT_TRUE(PixelsAre(canvas, [&](int x, int y) {
        return x < 3 && y < 3 ? expected[y][x] : Canvas::Background(x, y);
    }));
}

TEST(ControlsBevel, RaisedAndSunkenRingsSwapTheirEdges) {
    const CRect r(2, 3, 14, 11);
    {
        Canvas canvas(16, 14);
        EXPECT_EQ(DrawBevel(canvas.DC(), r, FALSE, 3, kGreyFace), CRect(5, 6, 11, 8));
        EXPECT_TRUE(PixelsAre(
            canvas, [&](int x, int y) { return BevelPixel(r, 3, kGreyLight, kGreyDark, x, y); }));
    }
    {
        Canvas canvas(16, 14);
        EXPECT_EQ(DrawBevel(canvas.DC(), r, TRUE, 3, kGreyFace), CRect(5, 6, 11, 8));
        EXPECT_TRUE(PixelsAre(
            canvas, [&](int x, int y) { return BevelPixel(r, 3, kGreyDark, kGreyLight, x, y); }));
    }
}

TEST(ControlsBevel, NoWidthOrNoRectangleDrawsNothing) {
    Canvas canvas(8, 8);
    EXPECT_EQ(DrawBevel(canvas.DC(), CRect(1, 1, 6, 6), FALSE, 0, kFace), CRect(1, 1, 6, 6));
    EXPECT_EQ(DrawBevel(canvas.DC(), CRect(1, 1, 6, 6), TRUE, -2, kFace), CRect(1, 1, 6, 6));
    EXPECT_EQ(DrawBevel(canvas.DC(), CRect(5, 1, 2, 6), FALSE, 2, kFace), CRect(5, 1, 2, 6));
    EXPECT_EQ(DrawBevel(canvas.DC(), CRect(1, 4, 6, 4), FALSE, 2, kFace), CRect(1, 4, 6, 4));
    EXPECT_TRUE(Untouched(canvas));
}

TEST(ControlsBevel, RingsPastTheMiddlePaintNothingMore) {
    // The third ring of a 3 x 3 square is inverted; the system would fill it mirrored.
    Canvas canvas(5, 5);
    EXPECT_EQ(DrawBevel(canvas.DC(), CRect(0, 0, 3, 3), FALSE, 3, kFace), CRect(3, 3, 0, 0));
    EXPECT_TRUE(PixelsAre(canvas, [&](int x, int y) {
        return BevelPixel(CRect(0, 0, 3, 3), 2, kLight, kDark, x, y);
    }));
}

TEST(ControlsRoundFrame, PenRunsInsideTheRectangle) {
    Canvas canvas(14, 14);
    const COLORREF red = RGB(255, 0, 0);
    EXPECT_EQ(DrawRoundFrame(canvas.DC(), CRect(1, 1, 13, 13), 2, red), CRect(3, 3, 11, 11));
    for (int depth : {0, 1}) {
        EXPECT_EQ(canvas.At(7, 1 + depth), red) << "top, depth " << depth;
        EXPECT_EQ(canvas.At(1 + depth, 7), red) << "left, depth " << depth;
        EXPECT_EQ(canvas.At(12 - depth, 7), red) << "right, depth " << depth;
        EXPECT_EQ(canvas.At(7, 12 - depth), red) << "bottom, depth " << depth;
    }
    // Nothing outside the rectangle and nothing inside the frame: the brush is hollow.
    EXPECT_TRUE(PixelsAre(canvas, [&](int x, int y) {
        bool inFrame = Inside(CRect(1, 1, 13, 13), x, y) && !Inside(CRect(3, 3, 11, 11), x, y);
        return inFrame ? canvas.At(x, y) : Canvas::Background(x, y);
    }));
}

TEST(ControlsRoundFrame, NoWidthDrawsNothing) {
    Canvas canvas(8, 8);
    EXPECT_EQ(DrawRoundFrame(canvas.DC(), CRect(1, 1, 7, 7), 0, RGB(255, 0, 0)), CRect(1, 1, 7, 7));
    EXPECT_TRUE(Untouched(canvas));
}

TEST(ControlsPanel, FillBetweenRectsCoversTheRingExactly) {
    Canvas canvas(12, 12);
    const CRect outer(1, 1, 11, 11);
    const CRect inner(4, 3, 8, 9);
    FillBetweenRects(canvas.DC(), outer, inner, kGreyFace);
    EXPECT_TRUE(PixelsAre(canvas, [&](int x, int y) {
        return Inside(outer, x, y) && !Inside(inner, x, y) ? kGreyFace : Canvas::Background(x, y);
    }));
}

TEST(ControlsPanel, MarginIsWidenedByTheInsets) {
    Canvas canvas(14, 12);
    const CRect r(1, 1, 13, 11);
    const CRect insets(1, 0, 2, 1);
    CRect inner = FillMargin(canvas.DC(), r, 2, kFace, &insets);
    EXPECT_EQ(inner, CRect(4, 3, 9, 8));
    EXPECT_TRUE(PixelsAre(canvas, [&](int x, int y) {
        return Inside(r, x, y) && !Inside(inner, x, y) ? kFace : Canvas::Background(x, y);
    }));
    EXPECT_EQ(FillMargin(canvas.DC(), r, 3, kFace, nullptr), CRect(4, 4, 10, 8));
}

TEST(ControlsPanel, PanelIsBuiltFromTheOutsideIn) {
    Canvas canvas(14, 12);
    const CRect r(1, 1, 13, 11);
    const CRect insets(1, 0, 0, 1);
    CRect inside = DrawPanel(canvas.DC(), r, kGreyFace, kRaisedBevel, kSunkenBevel, 1, 2, &insets);
    // Raised ring on r, margin down to (5, 4, 10, 7), sunken ring on that, face inside.
    const CRect margin(2, 2, 12, 10);
    const CRect innerBevel(5, 4, 10, 7);
    EXPECT_EQ(inside, CRect(6, 5, 9, 6));
    EXPECT_TRUE(PixelsAre(canvas, [&](int x, int y) {
        if (!Inside(margin, x, y)) {
            return BevelPixel(r, 1, kGreyLight, kGreyDark, x, y);
        }
        if (!Inside(innerBevel, x, y)) {
            return kGreyFace;
        }
        COLORREF ring = BevelPixel(innerBevel, 1, kGreyDark, kGreyLight, x, y);
        return Inside(inside, x, y) ? kGreyFace : ring;
    }));
}

TEST(ControlsPanel, FrameWithoutMarginLeavesTheInsideAlone) {
    Canvas canvas(10, 10);
    const CRect r(0, 0, 10, 10);
    CRect inside = DrawPanelFrame(canvas.DC(), r, kFace, kNoBevel, 5, 2, 0, nullptr);
    EXPECT_EQ(inside, CRect(2, 2, 8, 8));
    EXPECT_TRUE(PixelsAre(canvas, [&](int x, int y) {
        return BevelPixel(r, 2, kLight, kDark, x, y);
    })) << "style 5 is raised";
    Canvas empty(6, 6);
    EXPECT_EQ(
        DrawPanelFrame(empty.DC(), CRect(0, 0, 6, 6), kFace, kNoBevel, kNoBevel, 2, 0, nullptr),
        CRect(0, 0, 6, 6));
    EXPECT_TRUE(Untouched(empty));
}

// ---- bitmaps ---------------------------------------------------------------------------------

// A caller's bitmap, 32 bits a pixel, with colours given per pixel.
class SourceBitmap {
  public:
    SourceBitmap(int width, int height, const std::function<COLORREF(int, int)>& colour)
        : m_width(width), m_height(height), m_colour(colour) {
        m_bitmap.Attach(::CreateBitmap(width, height, 1, 32, nullptr));
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        CGdiObject* pOld = dc.SelectObject(&m_bitmap);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                dc.SetPixel(x, y, colour(x, y));
            }
        }
        dc.SelectObject(pOld);
    }

    CBitmap* Bitmap() { return &m_bitmap; }
    COLORREF Colour(int x, int y) const { return m_colour(x, y); }

    // Whether the bitmap still holds the colours it was made with.
    testing::AssertionResult Unchanged() {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        CGdiObject* pOld = dc.SelectObject(&m_bitmap);
        int wrong = 0;
        for (int y = 0; y < m_height; ++y) {
            for (int x = 0; x < m_width; ++x) {
                wrong += dc.GetPixel(x, y) != m_colour(x, y) ? 1 : 0;
            }
        }
        dc.SelectObject(pOld);
        if (wrong == 0) {
            return testing::AssertionSuccess();
        }
        return testing::AssertionFailure() << wrong << " pixels of the bitmap changed";
    }

  private:
    int m_width;
    int m_height;
    std::function<COLORREF(int, int)> m_colour;
    CBitmap m_bitmap;
};

bool IsKeyPixel(int x, int y) {
    return (x + 2 * y) % 3 == 0;
}

COLORREF Opaque(int x, int y) {
    return RGB(20 * x + 7, 25 * y + 5, 200);
}

// 10 x 8 with every third pixel keyed in the given colour; the others are never black.
std::function<COLORREF(int, int)> Keyed(COLORREF key) {
    return [key](int x, int y) { return IsKeyPixel(x, y) ? key : Opaque(x, y); };
}

// What drawing src at target (its pixel (sx, sy) at target's corner) should leave.
std::function<COLORREF(int, int)> Drawn(const SourceBitmap& src, const CRect& target, int sx,
                                        int sy, bool transparent, COLORREF key) {
    return [&src, target, sx, sy, transparent, key](int x, int y) {
        if (!Inside(target, x, y)) {
            return Canvas::Background(x, y);
        }
        COLORREF c = src.Colour(x - target.left + sx, y - target.top + sy);
        return transparent && c == key ? Canvas::Background(x, y) : c;
    };
}

TEST(ControlsDrawBitmap, OpaqueCopyCopiesEveryPixel) {
    SourceBitmap src(10, 8, Keyed(kMagenta));
    Canvas canvas(40, 30);
    CRect target =
        DrawBitmap(canvas.DC(), CRect(5, 4, 35, 26), src.Bitmap(), 5, kOpaqueCopy, kMagenta);
    EXPECT_EQ(target, CRect(15, 11, 25, 19));
    EXPECT_TRUE(PixelsAre(canvas, Drawn(src, target, 0, 0, false, kMagenta)));
}

TEST(ControlsDrawBitmap, TransparentModesKeepTheTargetUnderKeyPixels) {
    for (int mode : {kXorTransparent, kMaskTransparent}) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        SourceBitmap src(10, 8, Keyed(kMagenta));
        Canvas canvas(40, 30);
        CRect target =
            DrawBitmap(canvas.DC(), CRect(5, 4, 35, 26), src.Bitmap(), 5, mode, kMagenta);
        EXPECT_EQ(target, CRect(15, 11, 25, 19));
        EXPECT_TRUE(PixelsAre(canvas, Drawn(src, target, 0, 0, true, kMagenta)));
        EXPECT_TRUE(src.Unchanged());
    }
}

TEST(ControlsDrawBitmap, MaskModeGivesTheCallersBitmapBackWithAnyKey) {
    for (COLORREF key : {kMagenta, RGB(10, 200, 30), kBlack}) {
        SCOPED_TRACE("key " + Hex(key));
        SourceBitmap src(10, 8, Keyed(key));
        Canvas canvas(12, 10);
        CRect target =
            DrawBitmap(canvas.DC(), CRect(0, 0, 12, 10), src.Bitmap(), 0, kMaskTransparent, key);
        EXPECT_EQ(target, CRect(0, 0, 10, 8));
        EXPECT_TRUE(PixelsAre(canvas, Drawn(src, target, 0, 0, true, key)));
        EXPECT_TRUE(src.Unchanged());
    }
}

TEST(ControlsDrawBitmap, AnyOtherModeDrawsNothing) {
    SourceBitmap src(10, 8, Keyed(kMagenta));
    Canvas canvas(20, 20);
    EXPECT_EQ(DrawBitmap(canvas.DC(), CRect(0, 0, 20, 20), src.Bitmap(), 5, 3, kMagenta),
              CRect(5, 6, 15, 14));
    EXPECT_TRUE(Untouched(canvas));
    EXPECT_TRUE(src.Unchanged());
}

COLORREF Positional(int x, int y) {
    return (x * 7 + y * 3) % 5 == 0 ? kMagenta : RGB(4 * x + 3, 4 * y + 1, 90);
}

TEST(ControlsDrawBitmap, LargerBitmapsAreCroppedAroundTheirCentre) {
    SourceBitmap src(50, 50, Positional);
    {
        Canvas canvas(52, 64);
        CRect target = DrawBitmap(canvas.DC(), CRect(3, 2, 50, 62), src.Bitmap(), 5,
                                  kMaskTransparent, kMagenta);
        EXPECT_EQ(target, CRect(3, 7, 49, 57)) << "46 x 50, 0 and 5 pixels in";
        EXPECT_TRUE(PixelsAre(canvas, Drawn(src, target, 2, 0, true, kMagenta)));
    }
    {
        Canvas canvas(44, 44);
        CRect target = DrawBitmap(canvas.DC(), CRect(0, 0, 40, 40), src.Bitmap(), 0,
                                  kMaskTransparent, kMagenta);
        EXPECT_EQ(target, CRect(0, 0, 40, 40));
        EXPECT_TRUE(PixelsAre(canvas, Drawn(src, target, 5, 5, true, kMagenta)));
    }
    EXPECT_TRUE(src.Unchanged());
}

TEST(ControlsDrawBitmap, RightAndBottomFlagsUseTheFarCorner) {
    SourceBitmap src(50, 50, Positional);
    Canvas canvas(100, 100);
    CRect target = DrawBitmap(canvas.DC(), CRect(0, 0, 100, 100), src.Bitmap(), 10,
                              kMaskTransparent, kMagenta);
    EXPECT_EQ(target, CRect(50, 50, 100, 100));
    EXPECT_TRUE(PixelsAre(canvas, Drawn(src, target, 0, 0, true, kMagenta)));
}

TEST(ControlsDrawBitmap, UnreadableBitmapDrawsNothing) {
    Canvas canvas(8, 8);
    CBitmap none;
    EXPECT_EQ(DrawBitmap(canvas.DC(), CRect(1, 2, 7, 8), &none, 5, kOpaqueCopy, kMagenta),
              CRect(1, 2, 7, 8));
    EXPECT_EQ(DrawBitmap(canvas.DC(), CRect(1, 2, 7, 8), nullptr, 5, kOpaqueCopy, kMagenta),
              CRect(1, 2, 7, 8));
    EXPECT_TRUE(Untouched(canvas));
}

// The pixels of a bitmap resource, read straight from the module.
std::function<COLORREF(int, int)> ResourcePixels(UINT nID, CSize* size) {
    auto bitmap = std::make_shared<CBitmap>();
    bitmap->LoadBitmap(nID);
    BITMAP bm{};
    bitmap->GetBitmap(&bm);
    *size = CSize(bm.bmWidth, bm.bmHeight);
    auto dc = std::make_shared<CDC>();
    dc->CreateCompatibleDC(nullptr);
    dc->SelectObject(bitmap.get());
    return [bitmap, dc](int x, int y) { return dc->GetPixel(x, y); };
}

TEST(ControlsDrawImage, BitmapResourcesAreDrawnWithTheLibraryKey) {
    CSize size;
    auto face = ResourcePixels(IDB_ZOOM_IN_UP, &size);
    ASSERT_EQ(size, CSize(50, 50));
    for (bool viaImage : {false, true}) {
        SCOPED_TRACE(viaImage ? "DrawImage" : "DrawResourceBitmap");
        Canvas canvas(64, 60);
        CRect target = viaImage
                           ? DrawImage(canvas.DC(), CRect(0, 0, 64, 60), IDB_ZOOM_IN_UP, FALSE, 5)
                           : DrawResourceBitmap(canvas.DC(), CRect(0, 0, 64, 60), IDB_ZOOM_IN_UP, 5,
                                                kMaskTransparent, kMagenta);
        EXPECT_EQ(target, CRect(7, 5, 57, 55));
        EXPECT_TRUE(PixelsAre(canvas, [&](int x, int y) {
            return Inside(target, x, y) ? face(x - 7, y - 5) : Canvas::Background(x, y);
        }));
    }
}

TEST(ControlsDrawImage, IconsTakeTheSystemIconSize) {
    Canvas canvas(100, 90);
    int cx = ::GetSystemMetrics(SM_CXICON);
    int cy = ::GetSystemMetrics(SM_CYICON);
    CRect placed = DrawImage(canvas.DC(), CRect(0, 0, 100, 90), IDR_MAINFRAME, TRUE, 5);
    EXPECT_EQ(placed,
              CRect((100 - cx) / 2, (90 - cy) / 2, (100 - cx) / 2 + cx, (90 - cy) / 2 + cy));
    bool drawn = false;
    for (int y = 0; y < 90; ++y) {
        for (int x = 0; x < 100; ++x) {
            if (Inside(placed, x, y)) {
                drawn = drawn || canvas.At(x, y) != Canvas::Background(x, y);
            } else {
                ASSERT_EQ(canvas.At(x, y), Canvas::Background(x, y)) << x << ", " << y;
            }
        }
    }
    EXPECT_TRUE(drawn);
}

TEST(ControlsDrawImage, MissingResourcesDrawNothing) {
    Canvas canvas(20, 20);
    const CRect area(2, 2, 18, 18);
    EXPECT_EQ(DrawResourceBitmap(canvas.DC(), area, 9999, 5, kMaskTransparent, kMagenta), area);
    EXPECT_EQ(DrawImage(canvas.DC(), area, 9999, FALSE, 5), area);
    EXPECT_EQ(DrawImage(canvas.DC(), area, 9999, TRUE, 5), area);
    EXPECT_TRUE(Untouched(canvas));
}

// ---- the context as the helpers found it ------------------------------------------------------

struct ContextState {
    HGDIOBJ brush;
    HGDIOBJ pen;
    HGDIOBJ font;
    HGDIOBJ bitmap;
    COLORREF bk;
    COLORREF text;
    int bkMode;

    explicit ContextState(HDC hdc)
        : brush(::GetCurrentObject(hdc, OBJ_BRUSH)), pen(::GetCurrentObject(hdc, OBJ_PEN)),
          font(::GetCurrentObject(hdc, OBJ_FONT)), bitmap(::GetCurrentObject(hdc, OBJ_BITMAP)),
          bk(::GetBkColor(hdc)), text(::GetTextColor(hdc)), bkMode(::GetBkMode(hdc)) {}
    bool operator==(const ContextState& o) const {
        return brush == o.brush && pen == o.pen && font == o.font && bitmap == o.bitmap &&
               bk == o.bk && text == o.text && bkMode == o.bkMode;
    }
};

TEST(ControlsDrawingState, HelpersLeaveObjectsAndColoursAsTheyFoundThem) {
    Canvas canvas(60, 60);
    SourceBitmap src(10, 8, Keyed(kMagenta));
    CDC* dc = canvas.DC();
    CBrush brush(RGB(1, 2, 3));
    CPen pen(PS_SOLID, 1, RGB(4, 5, 6));
    dc->SelectObject(&brush);
    dc->SelectObject(&pen);
    dc->SetBkColor(RGB(7, 8, 9));
    dc->SetTextColor(RGB(10, 11, 12));
    const ContextState before(dc->m_hDC);
    const CRect r(5, 5, 55, 55);
    const CRect insets(1, 1, 1, 1);
    const std::pair<const char*, std::function<void()>> calls[] = {
        {"round frame", [&] { DrawRoundFrame(dc, r, 3, kFace); }},
        {"bevel", [&] { DrawBevel(dc, r, TRUE, 2, kFace); }},
        {"fill between", [&] { FillBetweenRects(dc, r, CRect(9, 9, 40, 40), kFace); }},
        {"margin", [&] { FillMargin(dc, r, 2, kFace, &insets); }},
        {"panel", [&] { DrawPanel(dc, r, kFace, 2, 1, 2, 3, &insets); }},
        {"opaque", [&] { DrawBitmap(dc, r, src.Bitmap(), 5, kOpaqueCopy, kMagenta); }},
        {"xor", [&] { DrawBitmap(dc, r, src.Bitmap(), 5, kXorTransparent, kMagenta); }},
        {"mask", [&] { DrawBitmap(dc, r, src.Bitmap(), 5, kMaskTransparent, kMagenta); }},
        {"image", [&] { DrawImage(dc, r, IDB_ZOOM_OUT_UP, FALSE, 5); }},
        {"icon", [&] { DrawImage(dc, r, IDR_MAINFRAME, TRUE, 5); }},
    };
    for (const auto& [name, call] : calls) {
        call();
        EXPECT_TRUE(ContextState(dc->m_hDC) == before) << name;
    }
    EXPECT_TRUE(src.Unchanged());
    dc->SelectStockObject(WHITE_BRUSH);
    dc->SelectStockObject(BLACK_PEN);
}

} // namespace
