// Printing the view: the picture area, redrawn without the zoom caption, goes to the printer with
// the record of what it shows, and the operator is told how it went.
#include "viewer_dlg.h"

#include "resource.h"
#include "save_outcome.h"
#include "window_print.h"

void ViewerDlg::OnPrintPicture() {
    if (!SourceDigestReady()) {
        ReportSourceStillReading();
        return;
    }
    CWaitCursor wait;
    m_state.settings.m_bPrinting = 1;
    ReleaseZoomToggles();
    PrintOutcome outcome = PrintWindowPicture(
        ::GetDlgItem(m_hWnd, IDC_PICTURE), [this] { DrawPicture(); },
        [this] { return RecordOfView(); });
    if (const PrintMessage* message = PrintMessageOf(outcome)) {
        CString text;
        text.LoadString(message->stringId);
        MessageBox(text, kRecorderCaption, MB_OK | (message->stopIcon ? MB_ICONHAND : 0));
    }
    m_state.settings.m_bPrinting = 0;
    // The screen still shows the view as it was printed, without its caption, and the dialogs
    // that covered it leave no repaint behind where windows keep their own surfaces.
    InvalidateView();
    wait.Restore();
}
