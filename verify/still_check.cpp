#include "still_check.h"

#include "gdiplus_image.h"
#include "jpeg_segments.h"
#include "picture_load.h"
#include "program_version.h"
#include "record_reading.h"
#include "record_segments.h"
#include "source_digest.h"
#include "still_export.h"
#include "utf8_text.h"

#include <windows.h>

#include <cstring>
#include <memory>

namespace {

bool ReadWholeFile(const std::wstring& path, std::string* bytes) {
    HANDLE hFile = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        return false;
    }
    LARGE_INTEGER size{};
    bool ok = ::GetFileSizeEx(hFile, &size) && size.QuadPart < 0x40000000;
    DWORD read = 0;
    if (ok) {
        bytes->resize(static_cast<size_t>(size.QuadPart));
        ok = bytes->empty() ||
             (::ReadFile(hFile, &(*bytes)[0], static_cast<DWORD>(bytes->size()), &read, nullptr) &&
              read == bytes->size());
    }
    ::CloseHandle(hFile);
    return ok;
}

bool WriteWholeFile(const std::wstring& path, const std::string& bytes) {
    HANDLE hFile = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    bool ok =
        ::WriteFile(hFile, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    ::CloseHandle(hFile);
    return ok;
}

// The picture's pixels as 32-bit RGB, row after row; empty when it cannot be decoded.
std::vector<std::uint32_t> PixelsOf(const std::wstring& path) {
    std::unique_ptr<GdiplusImage> image(GdiplusImage::FromFile(path.c_str()));
    std::vector<std::uint32_t> pixels;
    if (image->Native() == nullptr) {
        return pixels;
    }
    auto* bitmap = reinterpret_cast<Gdiplus::GpBitmap*>(image->Native());
    Gdiplus::GpRect whole(0, 0, static_cast<INT>(image->Width()),
                          static_cast<INT>(image->Height()));
    Gdiplus::BitmapData data{};
    if (Gdiplus::DllExports::GdipBitmapLockBits(bitmap, &whole, Gdiplus::ImageLockModeRead,
                                                PixelFormat32bppRGB, &data) != Gdiplus::Ok) {
        return pixels;
    }
    pixels.resize(static_cast<size_t>(data.Width) * data.Height);
    for (UINT y = 0; y < data.Height; ++y) {
        std::memcpy(&pixels[static_cast<size_t>(y) * data.Width],
                    static_cast<const BYTE*>(data.Scan0) + static_cast<size_t>(y) * data.Stride,
                    data.Width * sizeof(std::uint32_t));
    }
    Gdiplus::DllExports::GdipBitmapUnlockBits(bitmap, &data);
    return pixels;
}

class Check {
  public:
    Check(const std::wstring& exportPath, const std::wstring& sourcePath,
          const std::wstring& tempPath)
        : m_exportPath(exportPath), m_sourcePath(sourcePath), m_tempPath(tempPath) {
        m_v.exportPath = Utf8(exportPath);
        m_v.imagingLibrary = ImagingLibraryVersion();
        m_v.verifier = ProgramNameAndVersion();
    }

    Verification Run() {
        if (!ReadExport()) {
            return m_v;
        }
        std::wstring source = m_sourcePath.empty() ? FromUtf8(m_v.record.sourcePath) : m_sourcePath;
        m_v.sourcePath = Utf8(source);
        if (m_v.record.sourceSha256.empty()) {
            Fail("the record has no hash of its source");
            return m_v;
        }
        std::unique_ptr<GdiplusImage> full(DecodePictureFile(source));
        // Hashed on a thread of its own while the working picture is made here: the reduction
        // outlasts the hash, while beside the decode the hash slows it by half.
        SourceDigest digest(source);
        std::unique_ptr<GdiplusImage> working(MakeWorkingPicture(*full));
        if (CheckSource(digest) && m_v.sourceMatches) {
            Repeat(*working);
        }
        return m_v;
    }

  private:
    bool Fail(const std::string& problem) {
        m_v.problem = problem;
        return false;
    }

    bool ReadExport() {
        if (!ReadWholeFile(m_exportPath, &m_exportBytes)) {
            return Fail("the export cannot be read");
        }
        // Hashed as read: a second read of the file could see other bytes than those checked.
        m_v.exportSha256 = Sha256Of(m_exportBytes);
        if (!SplitJpeg(m_exportBytes, &m_exportParts)) {
            return Fail("the export is not a complete JPEG file (damaged or cut short)");
        }
        if (m_exportParts.comment.empty()) {
            return Fail("the export carries no record of where it came from");
        }
        RecordReading reading = ReadRecord(m_exportParts.comment);
        if (!reading.problem.empty()) {
            return Fail(reading.problem);
        }
        m_v.recordRead = true;
        m_v.record = reading.record;
        m_v.lacking = reading.lacking;
        m_v.disagreeingCopies = DisagreeingCopies(m_exportParts.application1, m_v.record);
        return true;
    }

    bool CheckSource(SourceDigest& digest) {
        if (!digest.Wait()) {
            return Fail("the source cannot be read: " + m_v.sourcePath);
        }
        m_v.sourceRead = true;
        m_v.sourceBytes = digest.Bytes();
        m_v.sourceSha256 = digest.Sha256();
        m_v.sourceMatches =
            digest.Bytes() == m_v.record.sourceBytes && digest.Sha256() == m_v.record.sourceSha256;
        return true;
    }

    void Repeat(GdiplusImage& working) {
        if (working.Native() == nullptr) {
            Fail("the source cannot be decoded");
            return;
        }
        if (static_cast<int>(working.Width()) != m_v.record.workingWidth ||
            static_cast<int>(working.Height()) != m_v.record.workingHeight) {
            Fail("the record's working picture size is not the one its source gives");
            return;
        }
        std::string repeated;
        JpegParts parts;
        if (!ExportStill(working, m_v.record, m_tempPath, &repeated) ||
            !SplitJpeg(repeated, &parts)) {
            Fail("the export could not be repeated from the source");
            return;
        }
        m_v.identicalImageData = parts.imageData == m_exportParts.imageData;
        if (m_v.identicalImageData) {
            m_v.pixels.total = static_cast<std::uint64_t>(working.Width()) * working.Height();
            return;
        }
        ComparePictures(repeated);
    }

    void ComparePictures(const std::string& repeated) {
        std::vector<std::uint32_t> exported = PixelsOf(m_exportPath);
        std::vector<std::uint32_t> again;
        if (WriteWholeFile(m_tempPath, repeated)) {
            again = PixelsOf(m_tempPath);
        }
        if (exported.empty() || again.size() != exported.size()) {
            m_v.pixels.total = again.size();
            m_v.pixels.differing = again.size();
            m_v.pixels.largestDifference = 255;
            return;
        }
        m_v.pixels = ComparePixels(exported, again);
    }

    std::wstring m_exportPath;
    std::wstring m_sourcePath;
    std::wstring m_tempPath;
    std::string m_exportBytes;
    JpegParts m_exportParts;
    Verification m_v;
};

} // namespace

Verification CheckStill(const std::wstring& exportPath, const std::wstring& sourcePath,
                        const std::wstring& tempPath) {
    return Check(exportPath, sourcePath, tempPath).Run();
}
