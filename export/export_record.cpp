// What an exported still says about itself: the picture it came from, gathered when the
// picture is opened, and the view it shows, gathered when it is saved.
#include "viewer_dlg.h"

#include "gdiplus_image.h"
#include "picture_path.h"
#include "source_digest.h"

#include <cwchar>
#include <vector>

namespace {

std::string Utf8(const wchar_t* text) {
    int size = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) {
        return std::string();
    }
    std::string utf8(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, -1, &utf8[0], size, nullptr, nullptr);
    utf8.resize(static_cast<size_t>(size - 1));
    return utf8;
}

// A text of the program's own version resource, in the resource's first language.
std::string VersionText(const std::vector<BYTE>& info, const wchar_t* key) {
    struct Translation {
        WORD language;
        WORD codePage;
    };
    Translation* translation = nullptr;
    void* value = nullptr;
    UINT length = 0;
    if (!::VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation",
                          reinterpret_cast<void**>(&translation), &length) ||
        length < sizeof(Translation)) {
        return std::string();
    }
    wchar_t path[128];
    swprintf(path, 128, L"\\StringFileInfo\\%04x%04x\\%ls", translation->language,
             translation->codePage, key);
    if (!::VerQueryValueW(info.data(), path, &value, &length) || length == 0) {
        return std::string();
    }
    return Utf8(static_cast<const wchar_t*>(value));
}

std::string ProgramNameAndVersion() {
    wchar_t module[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, module, MAX_PATH);
    DWORD handle = 0;
    DWORD size = ::GetFileVersionInfoSizeW(module, &handle);
    std::vector<BYTE> info(size);
    if (size == 0 || !::GetFileVersionInfoW(module, 0, size, info.data())) {
        return "StillView";
    }
    return VersionText(info, L"ProductName") + " " + VersionText(info, L"ProductVersion");
}

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
        m_pSourceDigest = new SourceDigest(static_cast<const wchar_t*>(m_strSourcePath));
    }
}

ExportRecord ViewerDlg::RecordOfView() {
    ExportRecord record;
    record.program = ProgramNameAndVersion();
    record.sourcePath = Utf8(m_strSourcePath);
    StartSourceDigest();
    if (m_pSourceDigest != nullptr && m_pSourceDigest->Wait()) {
        record.sourceBytes = m_pSourceDigest->Bytes();
        record.sourceSha256 = m_pSourceDigest->Sha256();
    }
    record.sourceWidth = m_nSourceWidth;
    record.sourceHeight = m_nSourceHeight;
    record.workingWidth = PictureWidth();
    record.workingHeight = PictureHeight();
    record.view = {m_nSrcX, m_nSrcY, m_nSrcWidth, m_nSrcHeight};
    record.gamma = m_fGamma;
    record.interpolation = m_nInterpolation;
    record.exportedAt = NowLocal();
    return record;
}
