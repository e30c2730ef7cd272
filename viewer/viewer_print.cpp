// Printing the view: the picture area, redrawn without the zoom caption, captured from the
// screen and stretched to a 4:3 rectangle at the top-left corner of one page.
#include "viewer_dlg.h"

#include "export_message.h"
#include "page_rect.h"
#include "resource.h"

namespace {

const wchar_t kDocumentName[] = L"Varnolt Print Document";

// What PrintWindowImage reports.
constexpr int kNothingSent = 0;
constexpr int kPrinted = 1;
constexpr int kRefused = 2;

// Sends the capture as a one-page document; false when the printer refused any step of it.
bool SendPage(CDC& printer, HBITMAP hCapture, PageRectSize dest) {
    DOCINFOW info{};
    info.cbSize = sizeof(info);
    info.lpszDocName = kDocumentName;
    if (printer.StartDoc(&info) <= 0) {
        return false;
    }
    bool ok = printer.StartPage() > 0;
    if (ok) {
        DIBSECTION section{};
        ::GetObjectW(hCapture, sizeof(section), &section);
        ::StretchDIBits(printer, 0, 0, dest.width, dest.height, 0, 0, section.dsBmih.biWidth,
                        section.dsBmih.biHeight, section.dsBm.bmBits,
                        reinterpret_cast<const BITMAPINFO*>(&section.dsBmih), DIB_RGB_COLORS,
                        SRCCOPY);
        ok = printer.EndPage() > 0;
    }
    // The spooler only learns at the end whether it takes the job.
    return printer.EndDoc() > 0 && ok;
}

} // namespace

void ViewerDlg::OnPrintPicture() {
    CWaitCursor wait;
    m_bPrinting = 1;
    ReleaseZoomToggles();
    int result = PrintWindowImage(::GetDlgItem(m_hWnd, IDC_PICTURE));
    if (result != kNothingSent) {
        CString text;
        text.LoadString(result == kPrinted ? IDS_PRINT_DONE : IDS_PRINT_FAILED);
        MessageBox(text, kRecorderCaption, MB_OK | (result == kPrinted ? 0 : MB_ICONHAND));
    }
    m_bPrinting = 0;
    // The screen still shows the view as it was printed, without its caption, and the dialogs
    // that covered it leave no repaint behind where windows keep their own surfaces.
    InvalidateView();
    wait.Restore();
}

int ViewerDlg::PrintWindowImage(HWND hWnd) {
    if (!::IsWindow(hWnd)) {
        return kNothingSent;
    }
    CDC printer;
    if (!printer.Attach(ChoosePrinterDC())) {
        return kNothingSent;
    }
    CWindowDC screen(CWnd::FromHandle(hWnd));
    CRect window;
    ::GetWindowRect(hWnd, &window);
    window.OffsetRect(-window.left, -window.top);
    PageRectSize dest = FitPageRect(printer.GetDeviceCaps(HORZRES), printer.GetDeviceCaps(VERTRES));
    CBitmap capture;
    if (!capture.Attach(CreateCaptureBitmap(screen, window.Width(), window.Height()))) {
        return kNothingSent;
    }
    CDC memory;
    memory.CreateCompatibleDC(&screen);
    CGdiObject* pOld = memory.SelectObject(&capture);
    DrawPicture();
    memory.BitBlt(0, 0, window.Width(), window.Height(), &screen, 0, 0, SRCCOPY);
    memory.SelectObject(pOld);
    return SendPage(printer, capture, dest) ? kPrinted : kRefused;
}

HDC ViewerDlg::ChoosePrinterDC() {
    CPrintDialog dialog(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS |
                                   PD_HIDEPRINTTOFILE | PD_NOSELECTION);
    dialog.m_pd.Flags &= ~PD_SHOWHELP;
    if (dialog.DoModal() != IDOK) {
        return nullptr;
    }
    return ::CreateDCW(dialog.GetDriverName(), dialog.GetDeviceName(), nullptr,
                       dialog.GetDevMode());
}

HBITMAP ViewerDlg::CreateCaptureBitmap(HDC hDC, int nWidth, int nHeight) {
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
