// The framework's strings, files, profile settings, GDI objects, bitmap button and wait cursor.
#include "resource.h"
#include "wine_test_support.h"

#include <gtest/gtest.h>

namespace {

TEST(FrameworkString, FormatsWithTheRuntimesConventions) {
    CString s;
    s.Format(L" X %.1lf ", 1.0 / 0.9f / 0.9f);
    EXPECT_EQ(s, CString(L" X 1.2 "));
    s.Format(L"%s has %d%c", L"KT-410", 16, L'!');
    EXPECT_EQ(s, CString(L"KT-410 has 16!"));
    s.Format(L"%c:\\", L'E');
    EXPECT_EQ(s, CString(L"E:\\"));
}

TEST(FrameworkString, LoadsFromTheStringTable) {
    CString s;
    EXPECT_TRUE(s.LoadString(IDS_TIP_QUALITY));
    EXPECT_EQ(s, CString(L"chang picture quality"));
    EXPECT_TRUE(s.LoadString(IDS_SAVE_FAILED));
    EXPECT_EQ(s, CString(L"  SAVE FAILED!")) << "leading blanks are part of the text";
    EXPECT_FALSE(s.LoadString(4999));
    EXPECT_TRUE(s.IsEmpty());
}

TEST(FrameworkString, CutsSearchesAndComparesSafely) {
    CString s(L"  D:\\DVR\\Cam03.JPG ");
    s.TrimLeft();
    s.TrimRight();
    EXPECT_EQ(s, CString(L"D:\\DVR\\Cam03.JPG"));
    EXPECT_EQ(s.Left(2), CString(L"D:"));
    EXPECT_EQ(s.Right(3), CString(L"JPG"));
    EXPECT_EQ(s.Mid(s.ReverseFind(L'\\') + 1), CString(L"Cam03.JPG"));
    EXPECT_EQ(s.Find(L"DVR"), 3);
    EXPECT_EQ(s.Find(L'x'), -1);
    EXPECT_EQ(s.Find(L'D', 100), -1);
    EXPECT_EQ(s.Left(100), s);
    EXPECT_EQ(s.Mid(100), CString(L""));
    EXPECT_EQ(s.CompareNoCase(L"d:\\dvr\\cam03.jpg"), 0);
    EXPECT_NE(s.Compare(L"d:\\dvr\\cam03.jpg"), 0);
    s.MakeUpper();
    EXPECT_EQ(s, CString(L"D:\\DVR\\CAM03.JPG"));
}

TEST(FrameworkString, WidensAnsiText) {
    EXPECT_EQ(CString("a:\\"), CString(L"a:\\"));
}

TEST(FrameworkString, BufferAccessTakesTheTextUpToTheTerminator) {
    CString s;
    wchar_t* buffer = s.GetBuffer(MAX_PATH);
    ::GetTempPathW(MAX_PATH, buffer);
    s.ReleaseBuffer();
    EXPECT_EQ(s.GetLength(), static_cast<int>(wcslen(s)));
    EXPECT_GT(s.GetLength(), 0);
}

class FrameworkProfile : public testing::Test {
  protected:
    void SetUp() override {
        m_savedKey = AfxGetApp()->m_strRegistryKey;
        AfxGetApp()->SetRegistryKey(L"StillViewTest");
    }
    void TearDown() override {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\StillViewTest");
        AfxGetApp()->SetRegistryKey(m_savedKey);
    }

  private:
    CString m_savedKey;
};

TEST_F(FrameworkProfile, StringsAreKeptUnderTheApplicationsKey) {
    CWinApp* app = AfxGetApp();
    EXPECT_EQ(app->GetProfileString(L"Path", L"SavePath", L"a:\\"), CString(L"a:\\"));
    EXPECT_TRUE(app->WriteProfileString(L"Path", L"SavePath", L"E:\\"));
    EXPECT_EQ(app->GetProfileString(L"Path", L"SavePath", L"a:\\"), CString(L"E:\\"));

    HKEY hKey = nullptr;
    CString path = L"Software\\StillViewTest\\" + app->m_strAppName + L"\\Path";
    ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &hKey), ERROR_SUCCESS);
    wchar_t value[16] = L"";
    DWORD bytes = sizeof(value);
    EXPECT_EQ(::RegQueryValueExW(hKey, L"SavePath", nullptr, nullptr,
                                 reinterpret_cast<BYTE*>(value), &bytes),
              ERROR_SUCCESS);
    ::RegCloseKey(hKey);
    EXPECT_STREQ(value, L"E:\\");

    EXPECT_TRUE(app->WriteProfileString(L"Path", L"SavePath", nullptr));
    EXPECT_EQ(app->GetProfileString(L"Path", L"SavePath", L"a:\\"), CString(L"a:\\"));
}

TEST_F(FrameworkProfile, IntegersRoundTripAndAStringIsNoInteger) {
    CWinApp* app = AfxGetApp();
    EXPECT_EQ(app->GetProfileInt(L"Settings", L"PreviewPages", 3), 3u);
    EXPECT_TRUE(app->WriteProfileInt(L"Settings", L"PreviewPages", 2));
    EXPECT_EQ(app->GetProfileInt(L"Settings", L"PreviewPages", 3), 2u);
    app->WriteProfileString(L"Settings", L"Text", L"12");
    EXPECT_EQ(app->GetProfileInt(L"Settings", L"Text", 9), 9u);
}

TEST(FrameworkFile, WritesReadsAndRemoves) {
    ScratchFolder folder;
    std::wstring path = folder.Path(L"tgrn_cmd.txt");
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        file.Write("/NDRA", 5);
    }
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeRead));
    EXPECT_EQ(file.GetLength(), 5u);
    char buffer[100] = {};
    EXPECT_EQ(file.Read(buffer, sizeof(buffer)), 5u);
    EXPECT_STREQ(buffer, "/NDRA");
    file.Close();
    CFile::Remove(path.c_str());
    EXPECT_FALSE(FileExists(path));
}

TEST(FrameworkFile, FailuresNameTheirCause) {
    ScratchFolder folder;
    std::wstring missing = folder.Path(L"missing.txt");
    CFileException error;
    CFile file;
    EXPECT_FALSE(file.Open(missing.c_str(), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_EQ(error.m_lOsError, ERROR_FILE_NOT_FOUND);

    int cause = CFileException::none;
    try {
        CFile::Remove(missing.c_str());
    } catch (CFileException* e) {
        cause = e->m_cause;
        e->Delete();
    }
    EXPECT_EQ(cause, CFileException::fileNotFound);
    EXPECT_EQ(CFileException::OsErrorToException(ERROR_DISK_FULL), CFileException::diskFull);
}

TEST(FrameworkGdi, SelectObjectGivesBackWhatItDisplaced) {
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    HGDIOBJ original = ::GetCurrentObject(dc, OBJ_PEN);
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    CGdiObject* previous = dc.SelectObject(&red);
    ASSERT_NE(previous, nullptr);
    EXPECT_EQ(previous->m_hObject, original);
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), red.m_hObject);
    EXPECT_EQ(dc.SelectObject(previous), &red) << "an owned object comes back as itself";
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), original);
}

TEST(FrameworkGdi, ObjectsDeleteTheirHandlesAndTemporariesDoNot) {
    HGDIOBJ handle = nullptr;
    {
        CBrush brush(RGB(214, 211, 203));
        handle = brush.m_hObject;
        EXPECT_EQ(::GetObjectType(handle), static_cast<DWORD>(OBJ_BRUSH));
    }
    EXPECT_EQ(::GetObjectType(handle), 0u);

    HBRUSH stock = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    CGdiObject* temp = CGdiObject::FromHandle(stock);
    EXPECT_EQ(temp->m_hObject, stock);
    AfxDeleteTempMaps();
    EXPECT_EQ(::GetObjectType(stock), static_cast<DWORD>(OBJ_BRUSH));
}

TEST(FrameworkGdi, FillsAndReadsPixels) {
    CDC screen;
    screen.Attach(::GetDC(nullptr));
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(&screen));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 8, 8));
    ::ReleaseDC(nullptr, screen.Detach());
    CGdiObject* old = dc.SelectObject(&bitmap);
    CRect all(0, 0, 8, 8);
    dc.FillSolidRect(&all, RGB(10, 20, 30));
    EXPECT_EQ(dc.GetPixel(3, 3), RGB(10, 20, 30));
    dc.SetPixel(1, 1, RGB(255, 255, 255));
    EXPECT_EQ(dc.GetPixel(1, 1), RGB(255, 255, 255));
    dc.SelectObject(old);
}

TEST(FrameworkGdi, LoadsTheButtonFacesAt50By50) {
    for (UINT id = IDB_ONE_TO_ONE_UP; id <= IDB_ZOOM_OUT_DOWN; ++id) {
        if (id == 215) {
            continue;
        }
        CBitmap face;
        ASSERT_TRUE(face.LoadBitmap(id)) << id;
        BITMAP bm{};
        face.GetBitmap(&bm);
        EXPECT_EQ(bm.bmWidth, 50) << id;
        EXPECT_EQ(bm.bmHeight, 50) << id;
    }
    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(215));
}

// A fingerprint of the face a bitmap button shows for an item state, read back from a memory
// context.
unsigned long long DrawnFace(CBitmapButton& button, UINT itemState) {
    CDC screen;
    screen.Attach(::GetDC(nullptr));
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap target;
    target.CreateCompatibleBitmap(&screen, 50, 50);
    ::ReleaseDC(nullptr, screen.Detach());
    CGdiObject* old = dc.SelectObject(&target);
    DRAWITEMSTRUCT dis{};
    dis.hDC = dc;
    dis.rcItem = CRect(0, 0, 50, 50);
    dis.itemState = itemState;
    button.DrawItem(&dis);
    unsigned long long fingerprint = 0;
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 50; ++x) {
            fingerprint = fingerprint * 1099511628211ull + dc.GetPixel(x, y);
        }
    }
    dc.SelectObject(old);
    return fingerprint;
}

TEST(FrameworkBitmapButton, DrawsTheUpFaceAndTheDownFaceWhenPressed) {
    CBitmapButton button;
    ASSERT_TRUE(button.LoadBitmaps(IDB_ZOOM_IN_UP, IDB_ZOOM_IN_DOWN));
    CBitmapButton upOnly;
    ASSERT_TRUE(upOnly.LoadBitmaps(IDB_ZOOM_IN_UP));
    CBitmapButton downAsUp;
    ASSERT_TRUE(downAsUp.LoadBitmaps(IDB_ZOOM_IN_DOWN));
    EXPECT_EQ(DrawnFace(button, 0), DrawnFace(upOnly, 0));
    EXPECT_EQ(DrawnFace(button, ODS_SELECTED), DrawnFace(downAsUp, 0));
    EXPECT_NE(DrawnFace(button, 0), DrawnFace(button, ODS_SELECTED));
    EXPECT_EQ(DrawnFace(upOnly, ODS_SELECTED), DrawnFace(upOnly, 0))
        << "without a down face the up face stays";
    CBitmapButton broken;
    EXPECT_FALSE(broken.LoadBitmaps(IDB_ZOOM_IN_UP, 215));
}

TEST(FrameworkBitmapButton, SizesItselfToItsUpFaceKeepingItsCorner) {
    HWND hParent = ::CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 300, 300, nullptr, nullptr,
                                     nullptr, nullptr);
    ::CreateWindowExW(0, L"Button", L"", WS_CHILD | BS_OWNERDRAW, 17, 23, 90, 12, hParent,
                      reinterpret_cast<HMENU>(77), nullptr, nullptr);
    CBitmapButton button;
    ASSERT_TRUE(button.LoadBitmaps(IDB_SAVE_UP, IDB_SAVE_DOWN));
    ASSERT_TRUE(button.SubclassDlgItem(77, CWnd::FromHandle(hParent)));
    button.SizeToContent();
    CRect rc;
    button.GetWindowRect(&rc);
    ::MapWindowPoints(HWND_DESKTOP, hParent, reinterpret_cast<POINT*>(&rc), 2);
    EXPECT_EQ(rc, CRect(17, 23, 67, 73));
    ::DestroyWindow(hParent);
}

TEST(FrameworkWaitCursor, ShowsTheHourglassAndPutsTheCursorBack) {
    HCURSOR arrow = ::LoadCursorW(nullptr, IDC_ARROW);
    ::SetCursor(arrow);
    {
        CWaitCursor wait;
        EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_WAIT));
        ::SetCursor(arrow);
        wait.Restore();
        EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_WAIT));
        { CWaitCursor nested; }
        EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_WAIT));
    }
    EXPECT_EQ(::GetCursor(), arrow);
}

} // namespace
