// What an exported still says about itself: the picture it came from, gathered when the
// picture is opened, and the view it shows, gathered when it is saved.
#include "viewer_dlg.h"

#include "answering_wait.h"
#include "gdiplus_image.h"
#include "jpeg_encoder.h"
#include "picture_load.h"
#include "picture_path.h"
#include "program_version.h"
#include "resource.h"
#include "save_outcome.h"
#include "utf8_text.h"

#include <memory>

namespace {

std::string NowLocal() {
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    TIME_ZONE_INFORMATION zone{};
    DWORD kind = ::GetTimeZoneInformation(&zone);
    LONG bias = zone.Bias;
    if (kind == TIME_ZONE_ID_DAYLIGHT) {
        bias += zone.DaylightBias;
    } else if (kind == TIME_ZONE_ID_STANDARD) {
        bias += zone.StandardBias;
    }
    return LocalTimestamp(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond,
                          static_cast<int>(-bias));
}

} // namespace

void ViewerDlg::UsePicture(const LoadedPicture& picture) {
    m_pImage.reset(picture.working);
    if (m_pImage->Native() == nullptr) {
        return;
    }
    const std::wstring& path = m_pPictureLoad->Path();
    wchar_t fullPath[kPicturePathCapacity] = L"";
    DWORD length = ::GetFullPathNameW(path.c_str(), kPicturePathCapacity, fullPath, nullptr);
    m_strSourcePath = length > 0 && length < kPicturePathCapacity ? fullPath : path.c_str();
    m_nSourceWidth = picture.sourceWidth;
    m_nSourceHeight = picture.sourceHeight;
    m_bWorkingDrawn = picture.way == WorkingPictureWay::kDrawnFromPicture;
}

bool ViewerDlg::SourceDigestReady() {
    m_pPictureLoad->AllowDigest();
    if (m_pPictureLoad->HasDigest()) {
        return true;
    }
    CWaitCursor wait;
    return WaitAnswering(m_pPictureLoad->DigestReady(), kLongestWaitMs);
}

void ViewerDlg::ReportSourceStillReading() {
    CString text;
    text.LoadString(IDS_SOURCE_STILL_READING);
    SaveOutcome outcome = SaveOutcome::kSourceStillReading;
    MessageBox(SaveMessageText(outcome, L"", static_cast<const wchar_t*>(text)).c_str(),
               kRecorderCaption, SaveMessageStyle(outcome));
}

ExportRecord ViewerDlg::RecordOfView() {
    ExportRecord record;
    record.program = ProgramNameAndVersion();
    record.sourcePath = Utf8(static_cast<const wchar_t*>(m_strSourcePath));
    // The caller has made sure the hash is in; a file that could not be read has none.
    if (m_pPictureLoad->HasDigest()) {
        record.sourceBytes = m_pPictureLoad->Digest().bytes;
        record.sourceSha256 = m_pPictureLoad->Digest().sha256;
    }
    record.sourceWidth = m_nSourceWidth;
    record.sourceHeight = m_nSourceHeight;
    record.workingWidth = PictureWidth();
    record.workingHeight = PictureHeight();
    record.view = {m_state.view.m_nSrcX, m_state.view.m_nSrcY, m_state.view.m_nSrcWidth,
                   m_state.view.m_nSrcHeight};
    record.gamma = m_state.settings.m_fGamma;
    record.interpolation = m_state.settings.m_nInterpolation;
    record.jpegQuality = static_cast<int>(kJpegQuality);
    record.imagingLibrary = ImagingLibraryVersion();
    record.exportedAt = NowLocal();
    record.workingDrawn = m_bWorkingDrawn;
    return record;
}
