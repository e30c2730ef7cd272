// Hundreds of random user actions on the viewer, saves to a small disk and prints among them,
// checking after each that the view stays sound and every save is whole or absent, and at the
// end that nothing leaked. STILLVIEW_RANDOM_ACTIONS sets how many (10,000 for a shift's worth).
#include "gdiplus_image.h"
#include "modal_script.h"
#include "navigator_tracker.h"
#include "resource.h"
#include "viewer_app.h"
#include "viewer_window.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>

namespace {

constexpr int W = 640;
constexpr int H = 480;

class RandomUser {
  public:
    RandomUser(ViewerWindow& viewer, unsigned seed) : m_viewer(viewer), m_random(seed) {
        m_area = viewer.ClientRectOf(IDC_PICTURE);
        m_thumb = viewer.ClientRectOf(IDC_THUMBNAIL);
    }

    // Saves go to this folder (a small disk when one is given).
    void SaveTo(const std::wstring& folder) { m_saveFolder = folder; }

    // Does one action and names it.
    std::string Act() {
        ViewerDlg& dlg = m_viewer.Dlg();
        HWND hDlg = dlg.m_hWnd;
        switch (Pick(m_saveFolder.empty() ? 9 : 14)) {
        case 0:
            PostClick(hDlg, PointIn(m_area));
            return "picture click";
        case 1:
            PostClick(hDlg, PointIn(m_thumb));
            return "thumbnail click";
        case 2: {
            CPoint from = dlg.m_pTracker->m_rect.CenterPoint();
            CPoint to(from.x + Pick(121) - 60, from.y + Pick(121) - 60);
            ::PostMessageW(hDlg, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
            ::PostMessageW(hDlg, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
            ::PostMessageW(hDlg, Pick(4) == 0 ? WM_RBUTTONDOWN : WM_LBUTTONUP, 0,
                           MAKELPARAM(to.x, to.y));
            PumpPendingMessages();
            return "navigator drag";
        }
        case 3:
            ::SendMessageW(hDlg, WM_MOUSEWHEEL, MAKEWPARAM(0, Pick(2) ? 120 : 65416), 0);
            return "wheel";
        case 4: {
            int nBar = Pick(2) ? IDC_HSCROLL : IDC_VSCROLL;
            m_viewer.Scroll(nBar, Pick(9), Pick(700));
            return "scroll";
        }
        case 5:
            ::SendMessageW(m_viewer.Item(Pick(2) ? IDC_ZOOM_IN_MODE : IDC_ZOOM_OUT_MODE), BM_CLICK,
                           0, 0);
            return "toggle";
        case 6: {
            const int commands[] = {IDC_BRIGHTER, IDC_DARKER, IDC_ONE_TO_ONE, IDC_ZOOM_IN,
                                    IDC_ZOOM_OUT};
            m_viewer.Click(commands[Pick(5)]);
            return "command";
        }
        case 7:
            ::SendMessageW(m_viewer.Item(IDC_QUALITY), CB_SETCURSEL, Pick(3), 0);
            ::SendMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDC_QUALITY, CBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(m_viewer.Item(IDC_QUALITY)));
            return "quality";
        case 8:
            m_viewer.Repaint();
            return "paint";
        case 9: {
            ModalScript script;
            script.Then(kSaveAsCaption, [](HWND hSaveAs) { PostCommand(hSaveAs, IDCANCEL); });
            m_viewer.Click(IDC_SAVE);
            EXPECT_TRUE(script.Finished()) << "Cancel shows nothing";
            return "save cancelled";
        }
        case 10:
            return Save();
        case 11:
            return FreeSpace();
        case 12:
            return Print(IDCANCEL);
        default:
            // Every print leaves a document in the queue's folder: fewer of them.
            return Pick(4) == 0 ? Print(IDOK) : "none";
        }
    }

  private:
    static constexpr const wchar_t* kSaveAsCaption = L"Varnolt -- Save As JPEG File";

    static void PostCommand(HWND hDialog, int nID) {
        ::PostMessageW(hDialog, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(hDialog, nID)));
    }

    // Saves under a new name or an old one; the folder must then hold a whole new picture
    // under that name, or be exactly as it was.
    std::string Save() {
        std::wstring name = L"S" + std::to_wstring(Pick(6)) + L".JPG";
        std::map<std::wstring, std::string> before = FolderFiles();
        theApp.WriteProfileString(L"Path", L"SavePath", (m_saveFolder + L"\\").c_str());
        ShownDialog result;
        ModalScript script;
        script.Then(kSaveAsCaption, [&](HWND hSaveAs) {
            ::SetDlgItemTextW(hSaveAs, IDC_FILE_NAME, name.c_str());
            PostCommand(hSaveAs, IDC_SAVE);
        });
        if (before.count(name) != 0) {
            script.Then(L"Varnolt -- Save As", [](HWND hBox) { PostCommand(hBox, IDOK); });
        }
        script.Answer(L"Varnolt Digital Recorder KT-410", IDOK, &result);
        m_viewer.Click(IDC_SAVE);
        EXPECT_TRUE(script.Finished());
        std::map<std::wstring, std::string> after = FolderFiles();
        if (result.StopIcon()) {
            EXPECT_EQ(after, before) << "a failed save leaves the folder as it was";
            ++m_failedSaves;
            return "save failed";
        }
        std::map<std::wstring, std::string> expected = before;
        expected[name] = after[name];
        EXPECT_EQ(after, expected) << "a save adds or replaces its own file only";
        std::unique_ptr<GdiplusImage> saved(
            GdiplusImage::FromFile((m_saveFolder + L"\\" + name).c_str()));
        EXPECT_EQ(saved->Width(), 640u);
        EXPECT_EQ(saved->Height(), 480u);
        ++m_goodSaves;
        return "save";
    }

    // Prints, or cancels in the Print dialog; a print must be reported done, a cancel not at all.
    std::string Print(int button) {
        ShownDialog result;
        ModalScript script;
        script.Then(L"Print", [button](HWND hPrint) { PostCommand(hPrint, button); });
        if (button == IDOK) {
            script.Answer(L"Varnolt Digital Recorder KT-410", IDOK, &result);
        }
        m_viewer.Click(IDC_PRINT);
        EXPECT_TRUE(script.Finished());
        EXPECT_EQ(result.text, button == IDOK ? L"Print job done." : L"");
        EXPECT_EQ(m_viewer.Dlg().State().settings.m_bPrinting, 0);
        return button == IDOK ? "print" : "print cancelled";
    }

    std::string FreeSpace() {
        for (const auto& file : FolderFiles()) {
            ::DeleteFileW((m_saveFolder + L"\\" + file.first).c_str());
        }
        return "space freed";
    }

    // Every file of the save folder with its bytes.
    std::map<std::wstring, std::string> FolderFiles() const {
        std::map<std::wstring, std::string> files;
        WIN32_FIND_DATAW data;
        HANDLE find = ::FindFirstFileW((m_saveFolder + L"\\*").c_str(), &data);
        if (find == INVALID_HANDLE_VALUE) {
            return files;
        }
        do {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && data.cFileName[0] != L'.') {
                files[data.cFileName] = ReadBytes(m_saveFolder + L"\\" + data.cFileName);
            }
        } while (::FindNextFileW(find, &data));
        ::FindClose(find);
        return files;
    }

  public:
    int m_goodSaves = 0;
    int m_failedSaves = 0;

  private:
    std::wstring m_saveFolder;

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    CPoint PointIn(const CRect& r) { return {r.left + Pick(r.Width()), r.top + Pick(r.Height())}; }
    static void PostClick(HWND hDlg, CPoint p) {
        ::PostMessageW(hDlg, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        ::PostMessageW(hDlg, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
        PumpPendingMessages();
    }

    ViewerWindow& m_viewer;
    std::mt19937 m_random;
    CRect m_area;
    CRect m_thumb;
};

void ExpectSoundView(ViewerWindow& viewer, const std::string& action, int step) {
    ViewerDlg& dlg = viewer.Dlg();
    CRect thumb = viewer.ClientRectOf(IDC_THUMBNAIL);
    const CRect& tracker = dlg.m_pTracker->m_rect;
    SCOPED_TRACE("step " + std::to_string(step) + ": " + action);
    EXPECT_GE(dlg.State().view.m_fZoom, 0.1f);
    EXPECT_LE(dlg.State().view.m_fZoom, 1.0f);
    EXPECT_GE(dlg.State().view.m_nSrcX, 0);
    EXPECT_GE(dlg.State().view.m_nSrcY, 0);
    EXPECT_LE(dlg.State().view.m_nSrcX + dlg.State().view.m_nSrcWidth, W);
    EXPECT_LE(dlg.State().view.m_nSrcY + dlg.State().view.m_nSrcHeight, H);
    EXPECT_TRUE(tracker.left >= thumb.left && tracker.top >= thumb.top &&
                tracker.right <= thumb.right && tracker.bottom <= thumb.bottom);
    EXPECT_TRUE(dlg.State().settings.m_nZoomMode == 0 || dlg.State().settings.m_nZoomMode == 1 ||
                dlg.State().settings.m_nZoomMode == 5)
        << "mode " << dlg.State().settings.m_nZoomMode;
}

std::wstring EnvironmentText(const wchar_t* name) {
    wchar_t value[1024] = L"";
    ::GetEnvironmentVariableW(name, value, 1024);
    return value;
}

// Run by with-small-disk.sh, which gives a tmpfs folder that fills after a few saves.
TEST(ViewerRandomUse, KeepsTheViewSoundSavesWholeFilesAndLeaksNothing) {
    ScratchFolder fallback;
    std::wstring smallDisk = EnvironmentText(L"STILLVIEW_SMALL_DISK");
    std::wstring actions = EnvironmentText(L"STILLVIEW_RANDOM_ACTIONS");
    int steps = actions.empty() ? 400 : std::stoi(actions);
    ViewerWindow viewer(SamplePicture());
    ::SendMessageW(viewer.Dlg().m_hWnd, WM_MOUSEMOVE, 0, 0);
    RandomUser user(viewer, 20261207);
    user.SaveTo(smallDisk.empty() ? fallback.Root() : smallDisk);
    for (int i = 0; i < 60; ++i) {
        user.Act();
    }
    AfxDeleteTempMaps();
    // The first message box with the stop icon loads the system's shared icon once for the
    // process: a cache, not a leak, so it is loaded before counting.
    ::LoadIconW(nullptr, IDI_HAND);
    std::set<std::wstring> temporary = FileNames(TempFolder(), L"*");
    int gdiBefore = CountLiveGdiObjects();
    int windowsBefore = CountThreadWindows();
    DWORD start = ::GetTickCount();
    for (int step = 0; step < steps; ++step) {
        std::string action = user.Act();
        ExpectSoundView(viewer, action, step);
        EXPECT_EQ(FileNames(TempFolder(), L"*"), temporary) << "step " << step << ": " << action;
        if (HasFailure()) {
            break;
        }
    }
    AfxDeleteTempMaps();
    int gdiAfter = CountLiveGdiObjects();
    int windowsAfter = CountThreadWindows();
    std::printf("%d actions in %lu ms: %d saves, %d refused by the full disk; GDI objects %d -> "
                "%d, windows %d -> %d\n",
                steps, ::GetTickCount() - start, user.m_goodSaves, user.m_failedSaves, gdiBefore,
                gdiAfter, windowsBefore, windowsAfter);
    EXPECT_EQ(gdiAfter, gdiBefore);
    EXPECT_EQ(windowsAfter, windowsBefore);
    EXPECT_GT(user.m_goodSaves, 0);
    if (!smallDisk.empty()) {
        EXPECT_GT(user.m_failedSaves, 0) << "the small disk filled up";
    }
}

} // namespace
