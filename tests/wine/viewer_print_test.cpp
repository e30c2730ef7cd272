// The Print command end to end: the system's Print dialog answered in-process, the page printed
// to the harness's PDF queue, read back and measured.
#include "image_magick.h"
#include "modal_script.h"
#include "print_calls.h"
#include "printed_picture.h"
#include "printer_defaults.h"
#include "resource.h"
#include "test_files.h"
#include "viewer_window.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>

namespace {

const wchar_t kPrintTitle[] = L"Print";
const wchar_t kResultCaption[] = L"Varnolt Digital Recorder KT-410";
// Controls of the system's Print dialog.
constexpr int kHelpButton = 0x040E;
constexpr int kPrintToFile = 0x0410;
constexpr int kSelection = 0x0421;
constexpr int kPages = 0x0422;

// A 4:3 picture whose top-left corner is the printable area's, as wide as that area (at most a
// pixel less, from truncating divisions) and inside it.
void ExpectFourToThreeAcrossTheWidth(const PrintedBox& box, const PrinterPage& printer) {
    std::printf("printable area %d x %d at (%d, %d); picture %.1f x %.1f at (%.1f, %.1f)\n",
                printer.width, printer.height, printer.offsetX, printer.offsetY, box.width,
                box.height, box.left, box.top);
    EXPECT_NEAR(box.left, printer.offsetX, 0.5);
    EXPECT_NEAR(box.top, printer.offsetY, 0.5);
    EXPECT_LE(box.left + box.width, printer.offsetX + printer.width + 0.5);
    EXPECT_LE(box.top + box.height, printer.offsetY + printer.height + 0.5);
    EXPECT_GE(box.width, printer.width - 1.5);
    // The place is known to within a pixel from both ends of the inked part.
    EXPECT_NEAR(box.height, box.width * 3 / 4, 1.5);
}

class ViewerPrint : public testing::Test {
  protected:
    void SetUp() override {
        Readback("prepare");
        ASSERT_FALSE(HasFailure());
        m_viewer = std::make_unique<ViewerWindow>(SamplePicture());
        m_viewer->Repaint();
    }

    ViewerDlg& Dlg() { return m_viewer->Dlg(); }

    // Runs a command of the Unix side; its failure fails the test.
    std::map<std::string, std::string> Readback(const std::string& command, int dpi = 300) {
        std::map<std::string, std::string> findings = RunPrintReadback(command, dpi);
        EXPECT_EQ(findings["done"], "1") << command << ": " << findings["error"];
        return findings;
    }

    // The picture-area control's whole window, as the print captures it.
    RECT PictureWindow() const {
        RECT rect;
        ::GetWindowRect(m_viewer->Item(IDC_PICTURE), &rect);
        ::MapWindowPoints(nullptr, m_viewer->Dlg().m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    // Repaints the whole view, with or without the zoom caption, and captures the picture area.
    AreaCapture PaintAndCapture(int printing) {
        m_viewer->EditState().settings.m_bPrinting = printing;
        ::RedrawWindow(Dlg().m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        m_viewer->EditState().settings.m_bPrinting = 0;
        return AreaCapture(Dlg().m_hWnd, PictureWindow());
    }

    // Clicks Print with the Print dialog answered by the given button; returns what came up.
    std::vector<ShownDialog>
    ClickPrint(int printDialogButton, const std::function<void(const ShownDialog&)>& onShow = {}) {
        std::vector<ShownDialog> shown;
        auto answerWith = [&](int button) {
            return [&, button](HWND hDialog) {
                shown.push_back(ReadDialog(hDialog));
                if (onShow) {
                    onShow(shown.back());
                }
                PostClick(hDialog, button);
            };
        };
        ModalScript script;
        script.Then(kPrintTitle, answerWith(printDialogButton));
        if (printDialogButton == IDOK) {
            script.Then(kResultCaption, answerWith(IDOK));
        }
        m_viewer->Click(IDC_PRINT);
        EXPECT_TRUE(script.Finished()) << "a dialog was left waiting or came unasked";
        PumpPendingMessages();
        m_viewer->Repaint();
        return shown;
    }

    // Prints with OK in the Print dialog and expects "Print job done." to follow.
    void PrintExpectingDone() {
        std::vector<ShownDialog> shown = ClickPrint(IDOK);
        ASSERT_EQ(shown.size(), 2u);
        EXPECT_EQ(shown[1].text, L"Print job done.");
        EXPECT_EQ(shown[1].icon, nullptr);
    }

    // Reads the printout back: one page titled with the document name, rendered.
    RenderedPage ReadPrintout(int dpi) {
        std::map<std::string, std::string> printout = Readback("read", dpi);
        EXPECT_EQ(printout["title"], "Varnolt Print Document");
        EXPECT_EQ(printout["pages"], "1");
        std::printf("printout: page size %s\n", printout["size"].c_str());
        RenderedPage page;
        EXPECT_TRUE(page.Load());
        return page;
    }

    std::unique_ptr<ViewerWindow> m_viewer;
};

TEST_F(ViewerPrint, ZoomedBrightViewFillsThePageWidthWithoutTheCaption) {
    for (int i = 0; i < 3; ++i) {
        ::SendMessageW(Dlg().m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
    }
    m_viewer->Click(IDC_BRIGHTER);
    m_viewer->Click(IDC_BRIGHTER);
    AreaCapture plain = PaintAndCapture(1);
    AreaCapture captioned = PaintAndCapture(0);

    int printingWhileOpen = -1;
    std::vector<ShownDialog> shown = ClickPrint(IDOK, [&](const ShownDialog& dialog) {
        if (dialog.title == kPrintTitle) {
            printingWhileOpen = Dlg().State().settings.m_bPrinting;
        }
    });
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].title, kPrintTitle);
    EXPECT_EQ(printingWhileOpen, 1);
    EXPECT_EQ(shown[1].title, kResultCaption);
    EXPECT_EQ(shown[1].text, L"Print job done.");
    EXPECT_EQ(shown[1].icon, nullptr);
    EXPECT_EQ(Dlg().State().settings.m_bPrinting, 0);

    PrinterPage printer = DefaultPrinterPage();
    ASSERT_LT(printer.width, printer.height) << "a portrait page";
    RenderedPage page = ReadPrintout(printer.dpi * kRenderScale);
    PicturePlacement placed = LocatePicture(page, plain);
    PrintedBox box = InPrinterPixels(placed);
    ExpectFourToThreeAcrossTheWidth(box, printer);

    PageComparison comparison = CompareWithScreen(page, placed, plain, captioned);
    EXPECT_GT(comparison.captionPixels, 200) << "the caption was on screen before the print";
    EXPECT_EQ(comparison.captionOnPage, 0);
    AreaCapture after(Dlg().m_hWnd, PictureWindow());
    EXPECT_EQ(CaptionPixelsShown(after, plain, captioned), comparison.captionPixels)
        << "the caption is back on screen";
    EXPECT_LE(comparison.mismatched * 100, comparison.compared);
}

TEST_F(ViewerPrint, LetterLandscapeShrinksThePictureJustEnoughForTheRecordUnderIt) {
    ScopedPrinterDefaults letterLandscape(DMPAPER_LETTER, DMORIENT_LANDSCAPE);
    PrinterPage printer = DefaultPrinterPage();
    ASSERT_GT(printer.width, printer.height);
    AreaCapture plain = PaintAndCapture(1);
    PrintExpectingDone();

    RenderedPage page = ReadPrintout(printer.dpi * kRenderScale);
    ASSERT_GT(page.Width(), page.Height()) << "a landscape page";
    PrintedBox box = InPrinterPixels(LocatePicture(page, plain));
    PrintedBox text = TextUnderPicture(page);
    std::printf("printable area %d x %d at (%d, %d); picture %.1f x %.1f at (%.1f, %.1f); text "
                "%.1f x %.1f at (%.1f, %.1f)\n",
                printer.width, printer.height, printer.offsetX, printer.offsetY, box.width,
                box.height, box.left, box.top, text.width, text.height, text.left, text.top);
    EXPECT_NEAR(box.left, printer.offsetX, 0.5);
    EXPECT_NEAR(box.top, printer.offsetY, 0.5);
    EXPECT_NEAR(box.height, box.width * 3 / 4, 1.5);
    EXPECT_LT(box.width, printer.width - printer.dpi) << "shrunk to make room for the text";
    ASSERT_GT(text.height, 0) << "the record is under the picture";
    EXPECT_GT(text.top, box.top + box.height) << "text and picture do not overlap";
    EXPECT_LE(text.left + text.width, printer.offsetX + printer.width + 0.5);
    EXPECT_LE(text.top + text.height, printer.offsetY + printer.height + 0.5);
    // Just enough: the last line ends within one of the printable area's foot.
    EXPECT_GT(text.top + text.height, printer.offsetY + printer.height - printer.dpi / 6.0);
}

TEST_F(ViewerPrint, RecordUnderThePictureNamesAJapaneseSourceItsHashAndItsView) {
    std::wstring folder = TempFolder() + L"\\\u8a3c\u62e0 \u5199\u771f";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    std::wstring picture = folder + L"\\\u30ab\u30e1\u30e903.bmp";
    ASSERT_TRUE(::CopyFileW(SamplePicture().c_str(), picture.c_str(), FALSE));
    m_viewer = std::make_unique<ViewerWindow>(picture);
    m_viewer->Repaint();
    PrintExpectingDone();
    ReadPrintout(20);
    std::string text = PrintoutText();
    std::printf("%s", text.c_str());

    std::string sha256;
    ASSERT_TRUE(RunHostCommand("sha256sum " + ShellQuoted(HostPath(picture)), &sha256));
    EXPECT_NE(text.find("source sha256: " + sha256.substr(0, 64)), std::string::npos);
    EXPECT_NE(text.find("source: " + Utf8(picture)), std::string::npos);
    EXPECT_NE(text.find("view in source: x 0 y 0 width 704 height 576 of 704 x 576"),
              std::string::npos);
    m_viewer.reset();
    ::DeleteFileW(picture.c_str());
    ::RemoveDirectoryW(folder.c_str());
}

TEST_F(ViewerPrint, CancelPrintsNothingShowsNothingAndReleasesTheToggles) {
    ::SendMessageW(m_viewer->Item(IDC_ZOOM_IN_MODE), BM_SETCHECK, BST_UNCHECKED, 0);
    ::SendMessageW(m_viewer->Item(IDC_ZOOM_OUT_MODE), BM_SETCHECK, BST_CHECKED, 0);
    m_viewer->EditState().settings.m_nZoomMode = 1;
    std::string jobBefore = Readback("job")["job"];

    std::vector<ShownDialog> shown = ClickPrint(IDCANCEL);
    ASSERT_EQ(shown.size(), 1u) << "no message after Cancel";
    const ShownDialog& dialog = shown[0];
    EXPECT_EQ(dialog.title, kPrintTitle);
    EXPECT_EQ(dialog.visibleIds.count(kHelpButton), 0u) << "no Help button";
    EXPECT_EQ(dialog.visibleIds.count(kPrintToFile), 0u) << "no print-to-file box";
    EXPECT_EQ(dialog.enabledIds.count(kPages), 0u) << "no page range";
    EXPECT_EQ(dialog.enabledIds.count(kSelection), 0u) << "no selection";
    EXPECT_EQ(dialog.visibleIds.count(IDOK), 1u);

    EXPECT_EQ(::SendMessageW(m_viewer->Item(IDC_ZOOM_IN_MODE), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(::SendMessageW(m_viewer->Item(IDC_ZOOM_OUT_MODE), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(Dlg().State().settings.m_nZoomMode, 5);
    EXPECT_EQ(Dlg().State().settings.m_bPrinting, 0);
    // The spooler has the job as soon as the document ends, so none can be on its way.
    EXPECT_EQ(Readback("job")["job"], jobBefore) << "no job reached the queue";
}

TEST_F(ViewerPrint, RefusedJobIsReportedAsFailedAndTheNextPrintWorks) {
    Readback("reject");
    ASSERT_FALSE(HasFailure());
    std::vector<ShownDialog> shown = ClickPrint(IDOK);
    Readback("accept");
    ASSERT_FALSE(HasFailure());
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].title, kResultCaption);
    EXPECT_EQ(shown[1].text, L"Print job failed.");
    EXPECT_EQ(shown[1].icon, ::LoadIconW(nullptr, IDI_HAND));
    EXPECT_EQ(Dlg().State().settings.m_bPrinting, 0);

    PrintExpectingDone();
    ReadPrintout(20);
}

int WINAPI FailingStretch(HDC, int, int, int, int, int, int, int, int, const VOID*,
                          const BITMAPINFO*, UINT, DWORD) {
    return 0;
}
int WINAPI FailingGetObject(HANDLE, int, LPVOID) {
    return 0;
}
HDC WINAPI FailingCreateCompatibleDC(HDC) {
    return nullptr;
}
BOOL WINAPI FailingBitBlt(HDC, int, int, int, int, HDC, int, int, DWORD) {
    return FALSE;
}
BOOL WINAPI FailingTextOut(HDC, int, int, LPCWSTR, int) {
    return FALSE;
}

TEST_F(ViewerPrint, EachFailedDrawingCallIsReportedAsAFailedJob) {
    const std::pair<const char*, std::function<void(PrintCalls&)>> failures[] = {
        {"CreateCompatibleDC",
         [](PrintCalls& c) { c.createCompatibleDC = FailingCreateCompatibleDC; }},
        {"BitBlt", [](PrintCalls& c) { c.bitBlt = FailingBitBlt; }},
        {"GetObject", [](PrintCalls& c) { c.getObject = FailingGetObject; }},
        {"StretchDIBits", [](PrintCalls& c) { c.stretchDIBits = FailingStretch; }},
        {"TextOut", [](PrintCalls& c) { c.textOut = FailingTextOut; }},
    };
    const PrintCalls real = ThePrintCalls();
    for (const auto& failure : failures) {
        failure.second(ThePrintCalls());
        std::vector<ShownDialog> shown = ClickPrint(IDOK);
        ThePrintCalls() = real;
        ASSERT_EQ(shown.size(), 2u) << failure.first;
        EXPECT_EQ(shown[1].text, L"Print job failed.") << failure.first;
        EXPECT_EQ(shown[1].icon, ::LoadIconW(nullptr, IDI_HAND)) << failure.first;
    }
    PrintExpectingDone();
    ReadPrintout(20);
}

TEST_F(ViewerPrint, RepeatedPrintsLeaveNoGdiObjectsBehind) {
    PrintExpectingDone();
    AfxDeleteTempMaps();
    int before = CountLiveGdiObjects();
    for (int i = 0; i < 3; ++i) {
        PrintExpectingDone();
        ClickPrint(IDCANCEL);
    }
    AfxDeleteTempMaps();
    int after = CountLiveGdiObjects();
    std::printf("%d live GDI objects before, %d after three prints and three cancels\n", before,
                after);
    EXPECT_EQ(after, before);
    // Leaves the queue idle and the printouts removed for whatever prints next.
    Readback("prepare");
}

// Makes a printer the default for this prefix while it lives, as the Print dialog then offers it.
class ScopedDefaultPrinter {
  public:
    explicit ScopedDefaultPrinter(const std::wstring& name) {
        wchar_t saved[256] = L"";
        DWORD size = 256;
        if (::GetDefaultPrinterW(saved, &size)) {
            m_saved = saved;
        }
        m_set = ::SetDefaultPrinterW(name.c_str()) != FALSE;
    }
    ~ScopedDefaultPrinter() {
        if (!m_saved.empty()) {
            ::SetDefaultPrinterW(m_saved.c_str());
        }
    }
    ScopedDefaultPrinter(const ScopedDefaultPrinter&) = delete;
    ScopedDefaultPrinter& operator=(const ScopedDefaultPrinter&) = delete;

    bool Set() const { return m_set; }

  private:
    std::wstring m_saved;
    bool m_set = false;
};

class UnequalPrinter : public ViewerPrint {};

// cups-unequal-queue.sh names a queue whose pixels are twice as tall as they are wide.
TEST_F(UnequalPrinter, ThePictureIsFourToThreeOnPaper) {
    const char* queue = std::getenv("STILLVIEW_UNEQUAL_PRINTER");
    ASSERT_NE(queue, nullptr) << "run by cups-unequal-queue.sh";
    std::wstring name(queue, queue + std::strlen(queue));
    ScopedDefaultPrinter printer(name);
    ASSERT_TRUE(printer.Set());
    ScopedPrinterDefaults a4(DMPAPER_A4, DMORIENT_PORTRAIT, 600, 300);
    HDC hPrinter = ::CreateDCW(L"WINSPOOL", name.c_str(), nullptr, a4.Current());
    ASSERT_NE(hPrinter, nullptr);
    int across = ::GetDeviceCaps(hPrinter, LOGPIXELSX);
    int down = ::GetDeviceCaps(hPrinter, LOGPIXELSY);
    ::DeleteDC(hPrinter);
    ASSERT_EQ(across, 600);
    ASSERT_EQ(down, 300);

    AreaCapture plain = PaintAndCapture(1);
    PrintExpectingDone();
    // The rendering has square pixels: what is 4:3 there is 4:3 on paper.
    RenderedPage page = ReadPrintout(300);
    PicturePlacement placed = LocatePicture(page, plain);
    std::printf("page %d x %d; picture %.1f x %.1f at (%.1f, %.1f)\n", page.Width(), page.Height(),
                placed.width, placed.height, placed.left, placed.top);
    EXPECT_GT(placed.width, page.Width() * 0.9) << "as wide as the printable area";
    EXPECT_NEAR(placed.height, placed.width * 3 / 4, 4.0)
        << "a printer row is a pixel of the rendering";
}

} // namespace
