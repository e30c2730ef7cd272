// What an exported still says about itself: the picture it came from, gathered when the
// picture is opened, and the view it shows, gathered when it is saved.
#include "viewer_dlg.h"

#include "gdiplus_image.h"
#include "jpeg_encoder.h"
#include "picture_path.h"
#include "program_version.h"
#include "source_digest.h"
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

void ViewerDlg::RecordSource(const std::wstring& path, GdiplusImage& picture) {
    wchar_t fullPath[kPicturePathCapacity] = L"";
    DWORD length = ::GetFullPathNameW(path.c_str(), kPicturePathCapacity, fullPath, nullptr);
    m_strSourcePath = length > 0 && length < kPicturePathCapacity ? fullPath : path.c_str();
    m_nSourceWidth = static_cast<int>(picture.Width());
    m_nSourceHeight = static_cast<int>(picture.Height());
}

void ViewerDlg::StartSourceDigest() {
    if (m_pSourceDigest == nullptr && !m_strSourcePath.IsEmpty()) {
        m_pSourceDigest =
            std::make_unique<SourceDigest>(static_cast<const wchar_t*>(m_strSourcePath));
    }
}

bool ViewerDlg::SourceChangedSinceOpened() {
    StartSourceDigest();
    if (m_pSourceDigest == nullptr || !m_pSourceDigest->Wait()) {
        // Nothing known of the file to compare with; the record says its hash is unavailable.
        return false;
    }
    SourceDigest now(static_cast<const wchar_t*>(m_strSourcePath));
    return !now.Wait() || now.Bytes() != m_pSourceDigest->Bytes() ||
           now.Sha256() != m_pSourceDigest->Sha256();
}

ExportRecord ViewerDlg::RecordOfView() {
    ExportRecord record;
    record.program = ProgramNameAndVersion();
    record.sourcePath = Utf8(static_cast<const wchar_t*>(m_strSourcePath));
    StartSourceDigest();
    if (m_pSourceDigest != nullptr && m_pSourceDigest->Wait()) {
        record.sourceBytes = m_pSourceDigest->Bytes();
        record.sourceSha256 = m_pSourceDigest->Sha256();
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
    return record;
}
