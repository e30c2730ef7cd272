// The viewer dialog from creation to teardown: layout, picture loading, view state, tooltips,
// system menu and the temporary files.
#include "resource.h"
#include "scratch_file.h"
#include "viewer_app.h"
#include "gdiplus_image.h"
#include "viewer_window.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>
#include <string>

namespace {

struct ChildLayout {
    CRect rect;
    bool visible;
};

// The template's own layout, before the viewer stretches it, keyed by control id.
std::map<int, ChildLayout> TemplateLayout(CSize* clientSize) {
    HWND hDlg = CreateTemplateDialog(AfxGetResourceHandle(), IDD_VIEWER);
    std::map<int, ChildLayout> layout;
    CRect client;
    ::GetClientRect(hDlg, &client);
    *clientSize = client.Size();
    for (HWND h = ::GetWindow(hDlg, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT)) {
        CRect rc;
        ::GetWindowRect(h, &rc);
        ::MapWindowPoints(HWND_DESKTOP, hDlg, reinterpret_cast<POINT*>(&rc), 2);
        layout[::GetDlgCtrlID(h)] = {rc, (::GetWindowLongW(h, GWL_STYLE) & WS_VISIBLE) != 0};
    }
    ::DestroyWindow(hDlg);
    return layout;
}

CRect ChildRect(HWND hDlg, HWND hChild) {
    CRect rc;
    ::GetWindowRect(hChild, &rc);
    ::MapWindowPoints(HWND_DESKTOP, hDlg, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

const std::set<int> kBitmapButtonIds = {IDC_ZOOM_OUT, IDC_ONE_TO_ONE, IDC_DARKER, IDC_BRIGHTER,
                                        IDC_SAVE,     IDC_PRINT,      IDCANCEL};
const std::set<int> kHiddenIds = {IDC_QUALITY, IDC_ZOOM_IN, IDC_ZOOM_OUT, IDOK, IDC_STATIC};

int Truncated(int edge, double factor) {
    return static_cast<int>(edge * factor);
}

TEST(ViewerLayout, CoversTheWholeScreenFromTheOriginAndStaysOnTop) {
    ViewerWindow viewer(SamplePicture());
    ASSERT_TRUE(viewer.Created());
    CRect rc;
    ::GetWindowRect(viewer.Dlg().m_hWnd, &rc);
    EXPECT_EQ(rc, CRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)));
    EXPECT_TRUE(::GetWindowLongW(viewer.Dlg().m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(::IsWindowVisible(viewer.Dlg().m_hWnd));
}

TEST(ViewerLayout, EveryChildIsStretchedByTheSameFactors) {
    CSize client;
    std::map<int, ChildLayout> before = TemplateLayout(&client);
    ASSERT_EQ(before.size(), 17u);
    ViewerWindow viewer(SamplePicture());
    HWND hDlg = viewer.Dlg().m_hWnd;
    double fx = static_cast<double>(::GetSystemMetrics(SM_CXSCREEN)) / client.cx;
    double fy = static_cast<double>(::GetSystemMetrics(SM_CYSCREEN)) / client.cy;
    EXPECT_NEAR(viewer.Dlg().m_fScaleX, fx, 1e-5);
    EXPECT_NEAR(viewer.Dlg().m_fScaleY, fy, 1e-5);

    for (const auto& [id, old] : before) {
        SCOPED_TRACE("control " + std::to_string(id));
        CRect now = ChildRect(hDlg, ::GetDlgItem(hDlg, id));
        // The float products may round the other way than these double ones at an exact edge.
        EXPECT_NEAR(now.left, Truncated(old.rect.left, fx), 1);
        EXPECT_NEAR(now.top, Truncated(old.rect.top, fy), 1);
        if (kBitmapButtonIds.count(id) != 0) {
            EXPECT_EQ(now.Size(), CSize(50, 50));
        } else if (id == IDC_QUALITY) {
            EXPECT_EQ(now.Width(), Truncated(old.rect.right, fx) - Truncated(old.rect.left, fx));
        } else {
            EXPECT_NEAR(now.right, Truncated(old.rect.right, fx), 1);
            EXPECT_NEAR(now.bottom, Truncated(old.rect.bottom, fy), 1);
        }
    }
}

TEST(ViewerLayout, ComboBoxListIsFiveTimesItsTemplateHeight) {
    CSize client;
    std::map<int, ChildLayout> before = TemplateLayout(&client);
    ViewerWindow viewer(SamplePicture());
    HWND hCombo = viewer.Item(IDC_QUALITY);
    CRect combo;
    ::GetWindowRect(hCombo, &combo);
    CRect dropped;
    ::SendMessageW(hCombo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    // Windows reports the dropped rectangle with the edit field, Wine without it.
    int expected = 5 * before[IDC_QUALITY].rect.Height();
    EXPECT_TRUE(dropped.Height() == expected || dropped.Height() == expected - combo.Height())
        << "dropped height " << dropped.Height() << ", expected " << expected;
}

TEST(ViewerLayout, HiddenControlsAreNeverShown) {
    ViewerWindow viewer(SamplePicture());
    for (int id : kHiddenIds) {
        EXPECT_FALSE(::IsWindowVisible(viewer.Item(id))) << "control " << id;
    }
    for (int id :
         {IDC_ONE_TO_ONE, IDC_DARKER, IDC_BRIGHTER, IDC_SAVE, IDC_PRINT, IDCANCEL, IDC_PICTURE,
          IDC_THUMBNAIL, IDC_HSCROLL, IDC_VSCROLL, IDC_ZOOM_IN_MODE, IDC_ZOOM_OUT_MODE}) {
        EXPECT_TRUE(::IsWindowVisible(viewer.Item(id))) << "control " << id;
    }
}

// Reads a pixel of any image by drawing it 1:1 onto a 32-bit bitmap: thumbnails of indexed or
// JPEG pictures need not answer a direct pixel query.
Gdiplus::ARGB PixelAt(GdiplusImage* image, int x, int y) {
    using namespace Gdiplus;
    GpBitmap* canvas = nullptr;
    DllExports::GdipCreateBitmapFromScan0(640, 480, 0, PixelFormat32bppARGB, nullptr, &canvas);
    GpGraphics* graphics = nullptr;
    DllExports::GdipGetImageGraphicsContext(canvas, &graphics);
    DllExports::GdipDrawImageRectI(graphics, image->Native(), 0, 0, 640, 480);
    DllExports::GdipDeleteGraphics(graphics);
    ARGB colour = 0;
    DllExports::GdipBitmapGetPixel(canvas, x, y, &colour);
    DllExports::GdipDisposeImage(canvas);
    return colour & 0xFFFFFF;
}

struct PictureCase {
    const wchar_t* mimeType;
    const wchar_t* extension;
    UINT width;
    UINT height;
};

class ViewerPictureFormats : public testing::TestWithParam<PictureCase> {};

bool NearColour(Gdiplus::ARGB actual, Gdiplus::ARGB expected) {
    // JPEG may shift a flat colour slightly.
    for (int shift : {0, 8, 16}) {
        int a = static_cast<int>((actual >> shift) & 0xFF);
        int e = static_cast<int>((expected >> shift) & 0xFF);
        if (std::abs(a - e) > 12) {
            return false;
        }
    }
    return true;
}

void ExpectWholeTwoColourPicture(const std::wstring& path) {
    ViewerWindow viewer(path);
    GdiplusImage* image = viewer.Dlg().m_pImage.get();
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->Width(), 640u);
    EXPECT_EQ(image->Height(), 480u);
    EXPECT_EQ(viewer.Dlg().State().view.m_nSrcWidth, 640);
    EXPECT_EQ(viewer.Dlg().State().view.m_nSrcHeight, 480);
    // Left half red and right half blue in any size: the thumbnail shows the whole picture.
    EXPECT_PRED2(NearColour, PixelAt(image, 100, 240), 0xFF0000u);
    EXPECT_PRED2(NearColour, PixelAt(image, 540, 240), 0x0000FFu);
}

TEST_P(ViewerPictureFormats, BecomeA640x480WorkingPictureOfTheWholeFile) {
    const PictureCase& c = GetParam();
    ScratchFolder folder;
    std::wstring path = folder.Path(std::wstring(L"pic.") + c.extension);
    ASSERT_TRUE(WriteTwoColourPicture(path, c.mimeType, c.width, c.height));
    ExpectWholeTwoColourPicture(path);
}

INSTANTIATE_TEST_SUITE_P(SizesAndFormats, ViewerPictureFormats,
                         testing::Values(PictureCase{L"image/bmp", L"bmp", 704, 576},
                                         PictureCase{L"image/jpeg", L"jpg", 1920, 1080},
                                         PictureCase{L"image/png", L"png", 320, 240},
                                         PictureCase{L"image/tiff", L"tif", 641, 481},
                                         PictureCase{L"image/bmp", L"bmp", 4, 4}));

// This platform's GIF encoder writes no image data, so the GIF comes from the source tree.
TEST(ViewerPictureFormatGif, BecomesA640x480WorkingPictureOfTheWholeFile) {
    ExpectWholeTwoColourPicture(SourceFile("tests/corpus/valid/two-colour-100x300.gif"));
}

void ExpectEmptyView(ViewerWindow& viewer) {
    ASSERT_TRUE(viewer.Created());
    ViewerDlg& dlg = viewer.Dlg();
    ASSERT_NE(dlg.m_pImage, nullptr);
    EXPECT_EQ(dlg.m_pImage->Width(), 0u);
    EXPECT_EQ(dlg.m_pImage->Height(), 0u);
    EXPECT_EQ(dlg.State().view.m_nSrcWidth, 0);
    EXPECT_EQ(dlg.State().view.m_nSrcHeight, 0);
    int nMin = -1;
    int nMax = -1;
    ::GetScrollRange(viewer.Item(IDC_HSCROLL), SB_CTL, &nMin, &nMax);
    EXPECT_EQ(nMax, 0);
}

TEST(ViewerPictureLoad, MissingEmptyAndCorruptFilesGiveAnEmptyView) {
    ScratchFolder folder;
    std::wstring empty = folder.Path(L"empty.bmp");
    std::wstring noise = folder.Path(L"noise.jpg");
    ASSERT_TRUE(WriteWholeFile(empty, ""));
    ASSERT_TRUE(WriteWholeFile(noise, std::string(3000, '\x5A')));
    for (const std::wstring& commandLine :
         {folder.Path(L"missing.bmp"), empty, noise, L"\"" + folder.Path(L"missing.bmp") + L"\"",
          folder.Root(), std::wstring(1500, L'a')}) {
        SCOPED_TRACE(std::string(commandLine.begin(), commandLine.end()));
        ViewerWindow viewer(commandLine);
        ExpectEmptyView(viewer);
    }
}

// Files the header check refuses never reach the decoder at all, which is what keeps the ones
// that crash it harmless; a good picture does.
TEST(ViewerPictureLoad, MalformedFilesNeverReachTheDecoder) {
    std::wstring folder = SourceFile("tests/corpus/malformed");
    WIN32_FIND_DATAW data;
    HANDLE find = ::FindFirstFileW((folder + L"\\*").c_str(), &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    int files = 0;
    do {
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            continue;
        }
        std::wstring name = data.cFileName;
        SCOPED_TRACE(std::string(name.begin(), name.end()));
        int before = GdiplusImage::FilesHandedToDecoder();
        ViewerWindow viewer(folder + L"\\" + name);
        EXPECT_EQ(GdiplusImage::FilesHandedToDecoder(), before);
        ExpectEmptyView(viewer);
        ++files;
    } while (::FindNextFileW(find, &data));
    ::FindClose(find);
    EXPECT_GE(files, 13);

    int before = GdiplusImage::FilesHandedToDecoder();
    ViewerWindow viewer(SamplePicture());
    EXPECT_EQ(GdiplusImage::FilesHandedToDecoder(), before + 1);
}

// The program starts the decode before it builds its window; the window must show that very
// picture without decoding it again, and never a picture started for another file.
TEST(ViewerPictureLoad, PictureDecodedAheadIsShownOnceAndOnlyForItsOwnFile) {
    ScratchFolder folder;
    std::wstring redBlue = folder.Path(L"red-blue.png");
    std::wstring greenWhite = folder.Path(L"green-white.png");
    ASSERT_TRUE(WriteTwoColourPicture(redBlue, L"image/png", 320, 240));
    ASSERT_TRUE(WriteTwoColourPicture(greenWhite, L"image/png", 320, 240, 0xFF00FF00, 0xFFFFFFFF));

    int before = GdiplusImage::FilesHandedToDecoder();
    theApp.StartPictureLoad(redBlue);
    ExpectWholeTwoColourPicture(redBlue);
    EXPECT_EQ(GdiplusImage::FilesHandedToDecoder(), before + 1) << "decoded twice";

    theApp.StartPictureLoad(redBlue);
    {
        ViewerWindow viewer(greenWhite);
        EXPECT_PRED2(NearColour, PixelAt(viewer.Dlg().m_pImage.get(), 100, 240), 0x00FF00u);
        EXPECT_PRED2(NearColour, PixelAt(viewer.Dlg().m_pImage.get(), 540, 240), 0xFFFFFFu);
    }

    std::wstring missing = folder.Path(L"missing.bmp");
    theApp.StartPictureLoad(missing);
    ViewerWindow viewer(missing);
    ExpectEmptyView(viewer);
}

TEST(ViewerPictureLoad, PathWithBlanksIsFoundQuotedOrNot) {
    ScratchFolder folder;
    std::wstring path = folder.Path(L"cam 03 still.png");
    ASSERT_TRUE(WriteTwoColourPicture(path, L"image/png", 64, 48));
    for (const std::wstring& commandLine : {path, L"\"" + path + L"\""}) {
        ViewerWindow viewer(commandLine);
        EXPECT_EQ(viewer.Dlg().m_pImage->Width(), 640u);
    }
}

TEST(ViewerPictureLoad, EmptyCommandLineOpensTheDefaultPictureOfTheCurrentFolder) {
    ScratchFolder folder;
    ASSERT_TRUE(WriteTwoColourPicture(folder.Path(L"b-320b.bmp"), L"image/bmp", 64, 48));
    wchar_t saved[MAX_PATH];
    ::GetCurrentDirectoryW(MAX_PATH, saved);
    ASSERT_TRUE(::SetCurrentDirectoryW(folder.Root().c_str()));
    {
        ViewerWindow viewer(L"");
        EXPECT_EQ(viewer.Dlg().m_pImage->Width(), 640u);
    }
    ::SetCurrentDirectoryW(saved);
}

TEST(ViewerState, StartsWithTheWholePictureAndZoomInMode) {
    ViewerWindow viewer(SamplePicture());
    ViewerDlg& dlg = viewer.Dlg();
    EXPECT_EQ(CRect(dlg.State().view.m_nSrcX, dlg.State().view.m_nSrcY,
                    dlg.State().view.m_nSrcWidth, dlg.State().view.m_nSrcHeight),
              CRect(0, 0, 640, 480));
    EXPECT_EQ(dlg.State().view.m_fZoom, 1.0f);
    EXPECT_EQ(dlg.State().settings.m_fGamma, 1.0f);
    EXPECT_EQ(dlg.State().settings.m_nZoomMode, 0);
    EXPECT_EQ(dlg.State().settings.m_nInterpolation, 7);
    EXPECT_EQ(dlg.State().settings.m_bPrinting, 0);
    CRect area;
    ::GetClientRect(viewer.Item(IDC_PICTURE), &area);
    EXPECT_EQ(dlg.State().area.m_nViewWidth, area.Width());
    EXPECT_EQ(dlg.State().area.m_nViewHeight, area.Height());
    EXPECT_EQ(dlg.State().view.m_nCenterX, area.Width() / 2);
    EXPECT_EQ(dlg.State().view.m_nCenterY, area.Height() / 2);
    EXPECT_EQ(::SendMessageW(viewer.Item(IDC_ZOOM_IN_MODE), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(::SendMessageW(viewer.Item(IDC_ZOOM_OUT_MODE), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    for (HCURSOR cursor :
         {dlg.m_hCursorThumb, dlg.m_hCursorDrag, dlg.m_hCursorZoomIn, dlg.m_hCursorZoomOut}) {
        EXPECT_NE(cursor, nullptr);
    }
    EXPECT_EQ(theApp.m_hMainDlg, dlg.m_hWnd);
}

TEST(ViewerState, ScrollBarsCoverThePictureWithThePageOfTheView) {
    ViewerWindow viewer(SamplePicture());
    for (auto [id, size] : {std::pair<int, int>{IDC_HSCROLL, 640}, {IDC_VSCROLL, 480}}) {
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_ALL;
        ASSERT_TRUE(::GetScrollInfo(viewer.Item(id), SB_CTL, &info));
        EXPECT_EQ(info.nMin, 0);
        EXPECT_EQ(static_cast<int>(info.nPage), size);
        EXPECT_EQ(info.nPos, 0);
        EXPECT_EQ(info.nMax - static_cast<int>(info.nPage) + 1, 0) << "nothing to scroll at 1:1";
    }
}

TEST(ViewerState, QualityListHoldsTheThreeChoicesWithGoodSelected) {
    ViewerWindow viewer(SamplePicture());
    HWND hCombo = viewer.Item(IDC_QUALITY);
    ASSERT_EQ(::SendMessageW(hCombo, CB_GETCOUNT, 0, 0), 3);
    const wchar_t* expected[] = {L"Fair Quality", L"Good Quality", L"Better Quality"};
    for (int i = 0; i < 3; ++i) {
        wchar_t text[64] = L"";
        ::SendMessageW(hCombo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ(text, expected[i]);
    }
    EXPECT_EQ(::SendMessageW(hCombo, CB_GETCURSEL, 0, 0), 1);
}

TEST(ViewerState, SystemMenuEndsWithASeparatorAndTheAboutItem) {
    ViewerWindow viewer(SamplePicture());
    HMENU hMenu = ::GetSystemMenu(viewer.Dlg().m_hWnd, FALSE);
    ASSERT_NE(hMenu, nullptr);
    int count = ::GetMenuItemCount(hMenu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(::GetMenuItemID(hMenu, count - 1), static_cast<UINT>(IDM_ABOUTBOX));
    wchar_t text[64] = L"";
    ::GetMenuStringW(hMenu, count - 1, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"about box");
    EXPECT_EQ(::GetMenuState(hMenu, count - 2, MF_BYPOSITION) & MF_SEPARATOR,
              static_cast<UINT>(MF_SEPARATOR));
}

std::wstring s_aboutCaption;

// Closes the about box from inside its modal loop, noting its caption.
void CALLBACK CloseAboutBox(HWND, UINT, UINT_PTR, DWORD) {
    HWND hAbout = ::GetActiveWindow();
    wchar_t caption[128] = L"";
    ::GetWindowTextW(hAbout, caption, 128);
    if (wcsstr(caption, L"StillView") != nullptr) {
        s_aboutCaption = caption;
        ::PostMessageW(hAbout, WM_COMMAND, IDCANCEL, 0);
    }
}

TEST(ViewerState, AboutItemRunsTheAboutBoxModallyAndReturns) {
    ViewerWindow viewer(SamplePicture());
    s_aboutCaption.clear();
    UINT_PTR timer = ::SetTimer(nullptr, 0, 50, CloseAboutBox);
    ::SendMessageW(viewer.Dlg().m_hWnd, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    ::KillTimer(nullptr, timer);
    EXPECT_NE(s_aboutCaption.find(L"StillView"), std::wstring::npos);
    EXPECT_TRUE(::IsWindow(viewer.Dlg().m_hWnd));
}

bool SessionIsEnglish() {
    const char* lang = std::getenv("LANG");
    std::string value = lang != nullptr ? lang : "";
    return value.rfind("ja", 0) != 0 && value.rfind("zh", 0) != 0;
}

// Every button with the ids of its own face and tip, written out rather than taken from the
// program's names, so a swapped id anywhere fails; English texts as the user reads them.
struct ButtonResources {
    int nControl;
    int nFace; // 0: a toggle, drawn by the control library
    int nTip;
    const wchar_t* english;
};

const ButtonResources kButtons[] = {
    {1018, 0, 102, L"Zoom in"},
    {1009, 213, 103, L"Default size"},
    {1019, 0, 104, L"Zoom out"},
    {1005, 0, 111, L"chang picture quality"},
    {1002, 218, 105, L"Decrease brightness"},
    {1003, 216, 106, L"Increase brightness"},
    {1006, 224, 107, L"Save picture as a JPG file"},
    {1007, 222, 108, L"Print"},
    {2, 220, 109, L"Return to previous screen"},
};

TEST(ViewerTips, ButtonTipsAreCreatedByTheFirstMouseMoveOnly) {
    ViewerWindow viewer(SamplePicture());
    ViewerDlg& dlg = viewer.Dlg();
    EXPECT_EQ(dlg.m_pTipButtons, nullptr);
    EXPECT_EQ(theApp.m_pMainTip, nullptr);
    ::SendMessageW(dlg.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    CToolTipCtrl* tips = dlg.m_pTipButtons.get();
    ASSERT_NE(tips, nullptr);
    EXPECT_EQ(theApp.m_pMainTip, tips);
    EXPECT_EQ(tips->GetToolCount(), 9);
    ::SendMessageW(dlg.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(6, 6));
    EXPECT_EQ(dlg.m_pTipButtons.get(), tips) << "a later move makes no second control";
}

TEST(ViewerTips, EveryButtonShowsItsOwnFaceAndTip) {
    ViewerWindow viewer(SamplePicture());
    ViewerDlg& dlg = viewer.Dlg();
    ::SendMessageW(dlg.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ASSERT_NE(dlg.m_pTipButtons, nullptr);
    for (const ButtonResources& button : kButtons) {
        SCOPED_TRACE("control " + std::to_string(button.nControl));
        CString expected;
        expected.LoadString(static_cast<UINT>(button.nTip));
        if (SessionIsEnglish()) {
            expected = button.english;
        }
        EXPECT_EQ(std::wstring(dlg.m_pTipButtons->GetText(dlg.GetDlgItem(button.nControl))),
                  std::wstring(expected));
        if (button.nFace != 0) {
            EXPECT_EQ(FaceDifferences(viewer.Item(button.nControl), button.nFace), 0);
        }
    }
}

TEST(ViewerTips, PictureAreaHasItsOwnTip) {
    ViewerWindow viewer(SamplePicture());
    ViewerDlg& dlg = viewer.Dlg();
    EXPECT_EQ(dlg.m_tipPicture.GetToolCount(), 1);
    CString expected;
    expected.LoadString(IDS_TIP_PICTURE);
    EXPECT_EQ(dlg.m_tipPicture.GetText(&dlg, IDC_PICTURE), expected);
}

TEST(ViewerTips, RelayedMouseMovesShowTheButtonTip) {
    ViewerWindow viewer(SamplePicture());
    ViewerDlg& dlg = viewer.Dlg();
    ::SendMessageW(dlg.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ASSERT_NE(dlg.m_pTipButtons, nullptr);
    HWND hButton = viewer.Item(IDC_ONE_TO_ONE);
    CRect rc;
    ::GetWindowRect(hButton, &rc);
    ::SetCursorPos(rc.left + 20, rc.top + 20);
    HWND hTip = dlg.m_pTipButtons->m_hWnd;
    // Moves arrive through the queue and reach the tip only through the application's filter.
    ::PostMessageW(hButton, WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    bool shown = PumpMessagesUntil([&] { return ::IsWindowVisible(hTip) != FALSE; });
    EXPECT_TRUE(shown);
}

TEST(ViewerTeardown, ClearsTheApplicationLinksAndLeavesNoTemporaryFile) {
    std::set<std::wstring> before = FileNames(TempFolder(), L"Int*");
    for (bool saved : {false, true}) {
        SCOPED_TRACE(saved ? "after a save" : "without a save");
        {
            ViewerWindow viewer(SamplePicture());
            ViewerDlg& dlg = viewer.Dlg();
            std::string name(dlg.m_szTempFile);
            ASSERT_GT(name.size(), 5u);
            EXPECT_EQ(name.substr(name.size() - 5), ".jpeg");
            if (saved) {
                ASSERT_TRUE(WriteWholeFile(std::wstring(name.begin(), name.end()), "jpeg bytes"));
            }
            ::SendMessageW(dlg.m_hWnd, WM_MOUSEMOVE, 0, 0);
            dlg.DestroyWindow();
            EXPECT_EQ(dlg.m_pImage, nullptr);
            EXPECT_EQ(dlg.m_pTipButtons, nullptr);
        }
        EXPECT_EQ(theApp.m_pMainTip, nullptr);
        EXPECT_EQ(theApp.m_hMainDlg, nullptr);
        EXPECT_EQ(FileNames(TempFolder(), L"Int*"), before);
    }
}

} // namespace
