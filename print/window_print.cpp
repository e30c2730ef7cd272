#include "window_print.h"

#include "afxwin.h"
#include "page_rect.h"
#include "print_calls.h"
#include "printed_record.h"
#include "printed_record_text.h"

#include <string>
#include <vector>

namespace {

const wchar_t kDocumentName[] = L"Varnolt Print Document";

// The capture stretched over the picture's place and the record under it in the font, which is
// left selected; false when any of it could not be drawn.
bool DrawPictureAndRecord(CDC& printer, HBITMAP hCapture, const ExportRecord& record,
                          CFont* pFont) {
    int pageWidth = printer.GetDeviceCaps(HORZRES);
    int pageHeight = printer.GetDeviceCaps(VERTRES);
    int dpi = printer.GetDeviceCaps(LOGPIXELSX);
    int dpiDown = printer.GetDeviceCaps(LOGPIXELSY);
    // The record's lines do not change in number with the picture's width, only the scale.
    std::vector<std::string> lines = PrintedRecordLines(
        record, LayOutOnPrinter(pageWidth, pageHeight, 0, 0, dpi, dpiDown).picture.width, dpi);
    if (!SelectRecordFont(printer, lines, pFont)) {
        return false;
    }
    int lineHeight = RecordLineHeight(printer);
    int textHeight =
        static_cast<int>(WrapRecordLines(printer, lines, pageWidth).size()) * lineHeight;
    PageLayout layout =
        LayOutOnPrinter(pageWidth, pageHeight, textHeight, lineHeight, dpi, dpiDown);
    lines = PrintedRecordLines(record, layout.picture.width, dpi);

    DIBSECTION section{};
    if (ThePrintCalls().getObject(hCapture, sizeof(section), &section) != sizeof(section)) {
        return false;
    }
    int copied = ThePrintCalls().stretchDIBits(
        printer, 0, 0, layout.picture.width, layout.picture.height, 0, 0, section.dsBmih.biWidth,
        section.dsBmih.biHeight, section.dsBm.bmBits,
        reinterpret_cast<const BITMAPINFO*>(&section.dsBmih), DIB_RGB_COLORS, SRCCOPY);
    return copied != 0 && copied != static_cast<int>(GDI_ERROR) &&
           DrawRecordLines(printer, WrapRecordLines(printer, lines, pageWidth), layout.textTop);
}

bool DrawPage(CDC& printer, HBITMAP hCapture, const ExportRecord& record) {
    CFont font;
    int saved = printer.SaveDC();
    bool drawn = DrawPictureAndRecord(printer, hCapture, record, &font);
    // Puts the printer's own font back before the record's font is deleted.
    printer.RestoreDC(saved);
    return drawn;
}

// Sends the page as a one-page document; false when the printer refused any step of it or a
// part of the page could not be drawn, which abandons the document.
bool SendPage(CDC& printer, HBITMAP hCapture, const ExportRecord& record) {
    DOCINFOW info{};
    info.cbSize = sizeof(info);
    info.lpszDocName = kDocumentName;
    if (printer.StartDoc(&info) <= 0) {
        return false;
    }
    if (printer.StartPage() <= 0 || !DrawPage(printer, hCapture, record)) {
        printer.AbortDoc();
        return false;
    }
    bool ended = printer.EndPage() > 0;
    // The spooler only learns at the end whether it takes the job.
    return printer.EndDoc() > 0 && ended;
}

HDC ChoosePrinterDC() {
    CPrintDialog dialog(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS |
                                   PD_HIDEPRINTTOFILE | PD_NOSELECTION);
    dialog.m_pd.Flags &= ~PD_SHOWHELP;
    if (dialog.DoModal() != IDOK) {
        return nullptr;
    }
    return ::CreateDCW(dialog.GetDriverName(), dialog.GetDeviceName(), nullptr,
                       dialog.GetDevMode());
}

HBITMAP CreateCaptureBitmap(HDC hDC, int nWidth, int nHeight) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = nWidth;
    info.bmiHeader.biHeight = nHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    return ::CreateDIBSection(hDC, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
}

} // namespace

PrintOutcome PrintWindowPicture(HWND hWnd, const std::function<void()>& redraw,
                                const std::function<ExportRecord()>& record) {
    if (!::IsWindow(hWnd)) {
        return PrintOutcome::kNothingSent;
    }
    CDC printer;
    if (!printer.Attach(ChoosePrinterDC())) {
        return PrintOutcome::kNothingSent;
    }
    CWindowDC screen(CWnd::FromHandle(hWnd));
    CRect window;
    ::GetWindowRect(hWnd, &window);
    window.OffsetRect(-window.left, -window.top);
    CBitmap capture;
    if (!capture.Attach(CreateCaptureBitmap(screen, window.Width(), window.Height()))) {
        return PrintOutcome::kNothingSent;
    }
    CDC memory;
    if (!memory.Attach(ThePrintCalls().createCompatibleDC(screen))) {
        return PrintOutcome::kRefused;
    }
    CGdiObject* pOld = memory.SelectObject(&capture);
    redraw();
    BOOL copied = ThePrintCalls().bitBlt(memory, 0, 0, window.Width(), window.Height(), screen, 0,
                                         0, SRCCOPY);
    memory.SelectObject(pOld);
    if (!copied) {
        return PrintOutcome::kRefused;
    }
    return SendPage(printer, capture, record()) ? PrintOutcome::kPrinted : PrintOutcome::kRefused;
}
