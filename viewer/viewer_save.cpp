// The Save command: the Save-As dialog, then the current view exported and written as a JPEG.
#include "viewer_dlg.h"

#include "answering_wait.h"
#include "gdiplus_image.h"
#include "picture_load.h"
#include "save_as_jpeg_dlg.h"
#include "save_outcome.h"
#include "source_digest.h"
#include "staged_file.h"
#include "still_export.h"
#include "viewer_app.h"

#include <cstring>
#include <new>
#include <optional>

namespace {

// The temporary file's name is ANSI; the imaging library takes UTF-16.
std::wstring WidePath(const char* pszAnsi) {
    wchar_t wide[1024] = L"";
    ::MultiByteToWideChar(CP_ACP, 0, pszAnsi, static_cast<int>(std::strlen(pszAnsi)), wide, 1023);
    return wide;
}

} // namespace

void ViewerDlg::OnSavePicture() {
    ReleaseZoomToggles();
    if (!SourceDigestReady()) {
        ReportSourceStillReading();
        return;
    }
    SaveAsJpegDlg dlg(this);
    INT_PTR result = dlg.DoModal();
    CString path = dlg.Path();
    DrawPicture();
    if (result != IDOK) {
        return;
    }
    theApp.BeginWaitCursor();
    SaveOutcome outcome = ExportJpeg(path);
    theApp.RestoreWaitCursor();
    CString text;
    text.LoadString(SaveMessageStringId(outcome));
    std::wstring message = SaveMessageText(outcome, static_cast<const wchar_t*>(path),
                                           static_cast<const wchar_t*>(text));
    MessageBox(message.c_str(), kRecorderCaption, SaveMessageStyle(outcome));
    theApp.EndWaitCursor();
}

// The new JPEG, with the record of where it came from, is complete and read back before it
// replaces anything. A step that fails stops the export: nothing is written. Running out of
// memory anywhere on the way is a failed save like any other.
SaveOutcome ViewerDlg::ExportJpeg(CString strPath) {
    try {
        return ExportView(static_cast<const wchar_t*>(strPath));
    } catch (const std::bad_alloc&) {
        return SaveOutcome::kFailed;
    }
}

SaveOutcome ViewerDlg::ExportView(const std::wstring& target) {
    m_pPictureLoad->AllowDigest();
    if (!WaitAnswering(m_pPictureLoad->DigestReady(), kLongestWaitMs)) {
        return SaveOutcome::kSourceStillReading;
    }
    if (m_pImage == nullptr || m_strSourcePath.IsEmpty()) {
        return SaveOutcome::kFailed;
    }
    // The file as it is now is read and hashed while the view is drawn: the check costs the save
    // only what outlasts the export. An export that ends before the draw still has it made.
    std::optional<SourceDigest> now;
    const std::wstring source = static_cast<const wchar_t*>(m_strSourcePath);
    // The encoder only reads the working picture, so the export needs no copy of it.
    std::string jpeg;
    bool made = ExportStill(*m_pImage, RecordOfView(), WidePath(m_szTempFile), &jpeg,
                            StillRules::kWrittenTables,
                            [&] { now.emplace(source, &m_pPictureLoad->Reader()); });
    if (!now) {
        now.emplace(source, &m_pPictureLoad->Reader());
    }
    if (!WaitAnswering(now->Done(), kLongestWaitMs)) {
        return SaveOutcome::kSourceStillReading;
    }
    const PictureDigest& opened = m_pPictureLoad->Digest();
    if (!now->Ok() || now->Bytes() != opened.bytes || now->Sha256() != opened.sha256) {
        return SaveOutcome::kSourceChanged;
    }
    if (!made) {
        return SaveOutcome::kFailed;
    }
    StagedFile staged(target);
    if (!staged.Created()) {
        return SaveFailureFor(staged.Error());
    }
    if (!staged.Write(jpeg) || !staged.Commit()) {
        return SaveFailureFor(staged.Error());
    }
    return SaveOutcome::kDone;
}
