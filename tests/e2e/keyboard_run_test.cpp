// The real program driven from the keyboard through the display server, as xdotool types: the
// keys must save the view the mouse would, and a held key must stop with its release.
// Runs inside save-to-drives.sh, whose drive F: (fixed, "DOVOZIZ") takes the saves.
#include "image_magick.h"
#include "save_as_window.h"
#include "viewer_process.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

constexpr int kHorizontalBar = 1000;
constexpr int kVerticalBar = 1001;
constexpr int kBrighter = 1003;
const wchar_t kSettingsKey[] = L"Software\\Varnolt\\StillView\\Path";

struct Bar {
    int page = 0;
    int pos = 0;
    // The largest position the bar's own thumb reaches.
    int last = 0;
};

Bar ReadBar(HWND hViewer, int nID) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    ::GetScrollInfo(::GetDlgItem(hViewer, nID), SB_CTL, &info);
    return {static_cast<int>(info.nPage), info.nPos, info.nMax - static_cast<int>(info.nPage) + 1};
}

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 20000) {
    DWORD start = ::GetTickCount();
    while (!condition()) {
        if (::GetTickCount() - start > timeoutMs) {
            return false;
        }
        ::Sleep(10);
    }
    return true;
}

// Types through the display server into the window that has the focus.
bool Xdotool(const std::string& arguments) {
    return RunHostCommand("xdotool " + arguments, nullptr);
}

int DriveIndex(HWND hSaveAs, const std::wstring& letter) {
    std::vector<std::wstring> entries = DriveEntries(hSaveAs);
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].find(L"(" + letter + L":\\)") != std::wstring::npos) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

class KeyboardRun : public testing::Test {
  protected:
    void SetUp() override {
        ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"SavePath");
        Start();
    }
    void Start() {
        m_viewer.reset();
        m_viewer =
            std::make_unique<ViewerProcess>(L"\"" + SourcePath("res/sample/b-320b.bmp") + L"\"",
                                            Environment(L"STILLVIEW_SAVE_START"));
        m_hViewer = m_viewer->WaitForWindow();
        ASSERT_NE(m_hViewer, nullptr);
    }
    Bar Horizontal() { return ReadBar(m_hViewer, kHorizontalBar); }
    Bar Vertical() { return ReadBar(m_hViewer, kVerticalBar); }
    // Presses the key until the bar stands at its last position, each press handled before the
    // next; false if a press moved nothing.
    bool PressToTheEnd(const char* key, int nBar) {
        for (int presses = 0; presses < 50; ++presses) {
            Bar before = ReadBar(m_hViewer, nBar);
            if (before.pos == before.last) {
                return true;
            }
            if (!Xdotool(std::string("key ") + key) ||
                !WaitFor([&] { return ReadBar(m_hViewer, nBar).pos != before.pos; })) {
                return false;
            }
        }
        return false;
    }
    // Saves on F: under the name through the Save-As dialog that is up, and closes the viewer.
    void SaveAndClose(HWND hSaveAs, const wchar_t* name) {
        ASSERT_NE(hSaveAs, nullptr);
        int drive = DriveIndex(hSaveAs, L"F");
        ASSERT_GE(drive, 0);
        SaveOn(hSaveAs, drive, name);
        Shown done = Answer(m_viewer->WaitForDialog(kResultCaption), IDOK);
        EXPECT_NE(done.text.find(L"saved successfully"), std::wstring::npos) << done.text.c_str();
        ASSERT_TRUE(BackToViewer(*m_viewer, m_hViewer));
        DWORD exitCode = 1;
        ASSERT_TRUE(m_viewer->Close(&exitCode));
    }

    std::unique_ptr<ViewerProcess> m_viewer;
    HWND m_hViewer = nullptr;
};

TEST_F(KeyboardRun, KeysSaveTheViewTheMouseWouldSave) {
    // Three steps in, to the bottom-right limit, twice brighter, saved: all by keys.
    ASSERT_TRUE(Xdotool("key --delay 100 KP_Add plus equal"));
    ASSERT_TRUE(WaitFor([&] { return Horizontal().page == 466; })) << Horizontal().page;
    ASSERT_TRUE(PressToTheEnd("Right", kHorizontalBar));
    ASSERT_TRUE(PressToTheEnd("Next", kVerticalBar));
    Bar keysH = Horizontal();
    Bar keysV = Vertical();
    EXPECT_EQ(keysH.page, 466);
    EXPECT_EQ(keysV.page, 349);
    ASSERT_TRUE(Xdotool("key --delay 100 b B ctrl+s"));
    ASSERT_NO_FATAL_FAILURE(SaveAndClose(m_viewer->WaitForDialog(kSaveAsCaption), L"keys"));

    // The same view by the mouse: three wheel notches towards the user, both thumbs dragged to
    // their ends, the brighter button twice, the Save button.
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(Xdotool("click --repeat 3 --delay 100 5"));
    ASSERT_TRUE(WaitFor([&] { return Horizontal().page == 466 && Vertical().page == 349; }));
    for (int nBar : {kHorizontalBar, kVerticalBar}) {
        int last = ReadBar(m_hViewer, nBar).last;
        ::PostMessageW(m_hViewer, nBar == kHorizontalBar ? WM_HSCROLL : WM_VSCROLL,
                       MAKEWPARAM(SB_THUMBPOSITION, last),
                       reinterpret_cast<LPARAM>(::GetDlgItem(m_hViewer, nBar)));
        ASSERT_TRUE(WaitFor([&] { return ReadBar(m_hViewer, nBar).pos == last; }));
    }
    EXPECT_EQ(Horizontal().pos, keysH.pos);
    EXPECT_EQ(Vertical().pos, keysV.pos);
    Click(m_hViewer, kBrighter);
    Click(m_hViewer, kBrighter);
    Click(m_hViewer, kSave);
    ASSERT_NO_FATAL_FAILURE(SaveAndClose(m_viewer->WaitForDialog(kSaveAsCaption), L"mouse"));

    RgbPicture byKeys;
    RgbPicture byMouse;
    ASSERT_TRUE(DecodeWithImageMagick(L"F:\\KEYS.JPG", &byKeys));
    ASSERT_TRUE(DecodeWithImageMagick(L"F:\\MOUSE.JPG", &byMouse));
    EXPECT_EQ(byKeys.width, 640);
    EXPECT_EQ(byKeys.height, 480);
    EXPECT_TRUE(byKeys.rgb == byMouse.rgb) << "the two saves hold different views";
}

TEST_F(KeyboardRun, AHeldArrowStopsWithinOneStepOfItsRelease) {
    // At the deepest zoom the visible part is 48 rows, so a step is 4 rows and two seconds of
    // repeats stay far from the bottom.
    ASSERT_TRUE(Xdotool("key --delay 20 " + [] {
        std::string keys;
        for (int i = 0; i < 22; ++i) {
            keys += "KP_Add ";
        }
        return keys;
    }()));
    ASSERT_TRUE(WaitFor([&] { return Vertical().page == 48; }));
    ASSERT_TRUE(Xdotool("key ctrl+Home"));
    ASSERT_TRUE(WaitFor([&] { return Vertical().pos == 0; }));
    constexpr int kStep = 4;

    // The hold itself lasts two seconds; the keyboard repeats the key meanwhile.
    ASSERT_TRUE(RunHostCommand("xdotool keydown Down; sleep 2; xdotool keyup Down", nullptr));
    int atRelease = Vertical().pos;
    // A key on the other bar, queued behind whatever the hold left: once it has moved the view,
    // everything before it has been handled.
    int column = Horizontal().pos;
    ASSERT_TRUE(Xdotool("key Right"));
    ASSERT_TRUE(WaitFor([&] { return Horizontal().pos != column; }));
    int settled = Vertical().pos;

    EXPECT_GE(atRelease, 5 * kStep) << "the held key repeated";
    EXPECT_LE(settled - atRelease, kStep) << "the view went on after the release";
    DWORD exitCode = 1;
    EXPECT_TRUE(m_viewer->Close(&exitCode));
}

} // namespace
