// The real program showing a picture from a medium whose later part reads slowly, so that the
// hash of the picture file is held in a read there. slow-source.sh makes the medium and names the
// picture on it (STILLVIEW_SLOW_PICTURE) and the log of held reads (STILLVIEW_SLOW_LOG).
#include "save_as_window.h"
#include "viewer_process.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

constexpr int kPrint = 1007;

// Whether the medium has begun holding a read, waiting up to the deadline.
bool WaitForHeldRead(const std::wstring& log, DWORD timeoutMs) {
    DWORD start = ::GetTickCount();
    do {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (::GetFileAttributesExW(log.c_str(), GetFileExInfoStandard, &data) &&
            data.nFileSizeLow > 0) {
            return true;
        }
        ::Sleep(20);
    } while (::GetTickCount() - start < timeoutMs);
    return false;
}

TEST(SlowSource, ClosingWhileTheHashWaitsOnTheMediumEndsTheProgramForTheNextStart) {
    const std::wstring picture = Environment(L"STILLVIEW_SLOW_PICTURE");
    ASSERT_FALSE(picture.empty()) << "run through slow-source.sh";
    ViewerProcess first(picture, L"");
    ASSERT_NE(first.WaitForWindow(), nullptr);
    ASSERT_TRUE(WaitForHeldRead(Environment(L"STILLVIEW_SLOW_LOG"), 20000))
        << "the picture's hash never reached the slow part of the medium";

    DWORD exitCode = 1;
    ASSERT_TRUE(first.Close(&exitCode)) << "the program lingers after its window has gone";
    EXPECT_EQ(exitCode, 0u);

    ViewerProcess second(picture, L"");
    EXPECT_NE(second.WaitForWindow(), nullptr) << "the next start was turned away";
    EXPECT_TRUE(second.Close(&exitCode));
}

// Whether the viewer handles a message sent to it within a second.
bool Answers(HWND hViewer) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutW(hViewer, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &result) != 0;
}

// Save and Print while the picture file is still held in a read: each gives up after a few
// seconds and says so, nothing is written, and the viewer answers all the while.
TEST(SlowSource, SaveAndPrintDuringTheHeldReadSaySoAndWriteNothing) {
    const std::wstring picture = Environment(L"STILLVIEW_SLOW_PICTURE");
    ASSERT_FALSE(picture.empty()) << "run through slow-source.sh";
    ViewerProcess viewer(picture, L"");
    HWND hViewer = viewer.WaitForWindow();
    ASSERT_NE(hViewer, nullptr) << "the window waits for ever on the held read";
    ASSERT_TRUE(WaitForHeldRead(Environment(L"STILLVIEW_SLOW_LOG"), 20000));
    const std::set<std::wstring> temporary = ViewerTemporaryFiles();

    for (int command : {kSave, kPrint}) {
        SCOPED_TRACE(command == kSave ? "Save" : "Print");
        Click(hViewer, command);
        HWND hBox = nullptr;
        // The hold lasts two minutes; the viewer gives up well before.
        const DWORD start = ::GetTickCount();
        while (hBox == nullptr && ::GetTickCount() - start < 15000) {
            ASSERT_TRUE(Answers(hViewer)) << "the viewer stopped answering";
            hBox = viewer.WaitForDialog(kResultCaption, 100);
        }
        ASSERT_NE(hBox, nullptr) << "no message while the read is held";
        Shown shown = Answer(hBox, IDOK);
        EXPECT_EQ(shown.text, L"\tThe picture file is still being read. Nothing was saved or "
                              L"printed; try again in a moment.");
        EXPECT_TRUE(shown.icon);
        ASSERT_TRUE(BackToViewer(viewer, hViewer)) << "no Save-As or Print dialog follows";
        EXPECT_TRUE(Answers(hViewer));
    }
    EXPECT_EQ(ViewerTemporaryFiles(), temporary) << "nothing written";
    DWORD exitCode = 1;
    EXPECT_TRUE(viewer.Close(&exitCode));
}

} // namespace
