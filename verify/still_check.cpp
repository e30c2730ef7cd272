#include "still_check.h"

#include "gdiplus_image.h"
#include "jpeg_segments.h"
#include "picture_load.h"
#include "producible_values.h"
#include "program_version.h"
#include "record_reading.h"
#include "source_digest.h"
#include "still_comparison.h"
#include "still_export.h"
#include "utf8_text.h"

#include <windows.h>

#include <cstring>
#include <memory>
#include <new>

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

struct Pixels {
    UINT width = 0;
    UINT height = 0;
    std::vector<std::uint32_t> rgb; // row after row
};

// The picture's pixels as 32-bit RGB; false when it cannot be decoded.
bool PixelsOf(const std::wstring& path, Pixels* pixels) {
    std::unique_ptr<GdiplusImage> image(GdiplusImage::FromFile(path.c_str()));
    if (image->Native() == nullptr) {
        return false;
    }
    auto* bitmap = reinterpret_cast<Gdiplus::GpBitmap*>(image->Native());
    Gdiplus::GpRect whole(0, 0, static_cast<INT>(image->Width()),
                          static_cast<INT>(image->Height()));
    Gdiplus::BitmapData data{};
    if (Gdiplus::DllExports::GdipBitmapLockBits(bitmap, &whole, Gdiplus::ImageLockModeRead,
                                                PixelFormat32bppRGB, &data) != Gdiplus::Ok) {
        return false;
    }
    pixels->width = data.Width;
    pixels->height = data.Height;
    pixels->rgb.resize(static_cast<size_t>(data.Width) * data.Height);
    for (UINT y = 0; y < data.Height; ++y) {
        std::memcpy(&pixels->rgb[static_cast<size_t>(y) * data.Width],
                    static_cast<const BYTE*>(data.Scan0) + static_cast<size_t>(y) * data.Stride,
                    data.Width * sizeof(std::uint32_t));
    }
    Gdiplus::DllExports::GdipBitmapUnlockBits(bitmap, &data);
    return true;
}

std::string SizeText(UINT width, UINT height) {
    return std::to_string(width) + " x " + std::to_string(height);
}

std::string DecodeFailure(const GdiplusImage& image) {
    return image.LastStatus() == Gdiplus::OutOfMemory ? " (out of memory)" : "";
}

// A verification with what every report names, however far the check gets.
Verification Started(const std::wstring& exportPath) {
    Verification v;
    v.exportPath = Utf8(exportPath);
    v.imagingLibrary = ImagingLibraryVersion();
    v.verifier = ExecutableNameVersionAndBuild();
    return v;
}

class Check {
  public:
    Check(const std::wstring& exportPath, const std::wstring& sourcePath,
          const std::wstring& tempPath)
        : m_exportPath(exportPath), m_sourcePath(sourcePath), m_tempPath(tempPath),
          m_v(Started(exportPath)) {}

    Verification Run() {
        if (!ReadExport()) {
            return m_v;
        }
        if (m_tempPath.empty()) {
            Fail("no scratch file can be made in the temporary folder");
            return m_v;
        }
        std::wstring source = m_sourcePath.empty() ? FromUtf8(m_v.record.sourcePath) : m_sourcePath;
        m_v.sourcePath = Utf8(source);
        std::unique_ptr<GdiplusImage> full(DecodePictureFile(source));
        // Hashed on a thread of its own while the working picture is made here: the reduction
        // outlasts the hash, while beside the decode the hash slows it by half.
        SourceDigest digest(source);
        std::unique_ptr<GdiplusImage> working(MakeWorkingPicture(*full));
        if (CheckSource(digest) && m_v.sourceMatches && Decoded(*full, *working) &&
            CheckValues(*full)) {
            Rebuild(*working);
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
        if (!ReadJpegFile(m_exportBytes, &m_exportFile)) {
            return Fail("the export is not a complete JPEG file (damaged or cut short)");
        }
        std::string comment = RecordComment(m_exportFile);
        if (comment.empty()) {
            return Fail("the export carries no record of where it came from");
        }
        RecordReading reading = ReadRecord(comment);
        if (!reading.problem.empty()) {
            return Fail(reading.problem);
        }
        m_v.recordRead = true;
        m_v.record = reading.record;
        m_v.rules = reading.rules;
        if (m_v.record.sourceSha256.empty()) {
            return Fail("the record has no hash of its source");
        }
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

    bool Decoded(GdiplusImage& full, GdiplusImage& working) {
        if (full.Native() == nullptr || working.Native() == nullptr) {
            return Fail("the source cannot be decoded" + DecodeFailure(full) +
                        DecodeFailure(working));
        }
        if (working.Width() != kWorkingPictureWidth || working.Height() != kWorkingPictureHeight) {
            return Fail("the imaging library made a working picture of " +
                        SizeText(working.Width(), working.Height()) + ", not " +
                        SizeText(kWorkingPictureWidth, kWorkingPictureHeight));
        }
        return true;
    }

    bool CheckValues(GdiplusImage& full) {
        PictureSizes sizes;
        sizes.workingWidth = static_cast<int>(kWorkingPictureWidth);
        sizes.workingHeight = static_cast<int>(kWorkingPictureHeight);
        sizes.sourceWidth = static_cast<int>(full.Width());
        sizes.sourceHeight = static_cast<int>(full.Height());
        m_v.valuesChecked = true;
        m_v.unproducible = UnproducibleValue(m_v.record, m_v.rules, sizes);
        return m_v.unproducible.empty();
    }

    void Rebuild(GdiplusImage& working) {
        std::string rebuilt;
        JpegFile rebuiltFile;
        if (!ExportStill(working, m_v.record, m_tempPath, &rebuilt, m_v.rules) ||
            !ReadJpegFile(rebuilt, &rebuiltFile)) {
            Fail("the still could not be rebuilt from the source");
            return;
        }
        m_v.rebuilt = true;
        StillComparison comparison = CompareStill(m_exportFile, rebuiltFile);
        m_v.identicalFile = comparison.identical;
        m_v.differences = comparison.differences;
        m_v.imageDataDiffers = comparison.imageDataDiffers;
        if (m_v.imageDataDiffers) {
            ComparePictures(ImageDataFile(m_exportFile), ImageDataFile(rebuiltFile));
        }
    }

    // Why one picture's image data could not be decoded through the scratch file; empty when
    // it was.
    std::string Decode(const std::string& jpeg, const char* whose, Pixels* pixels) {
        if (!WriteWholeFile(m_tempPath, jpeg)) {
            return "the scratch file cannot be written";
        }
        return PixelsOf(m_tempPath, pixels) ? std::string()
                                            : std::string(whose) + " image data cannot be decoded";
    }

    void ComparePictures(const std::string& exported, const std::string& rebuilt) {
        Pixels found;
        Pixels again;
        m_v.pixelsNotCompared = Decode(exported, "the still's", &found);
        if (m_v.pixelsNotCompared.empty()) {
            m_v.pixelsNotCompared = Decode(rebuilt, "the rebuilt", &again);
        }
        if (!m_v.pixelsNotCompared.empty()) {
            return;
        }
        if (found.width != again.width || found.height != again.height) {
            m_v.pixelsNotCompared = "the still's picture is " +
                                    SizeText(found.width, found.height) + ", the rebuilt one " +
                                    SizeText(again.width, again.height);
        } else {
            m_v.pixels = ComparePixels(found.rgb, again.rgb);
            m_v.pixelsCompared = true;
        }
    }

    std::wstring m_exportPath;
    std::wstring m_sourcePath;
    std::wstring m_tempPath;
    std::string m_exportBytes;
    JpegFile m_exportFile;
    Verification m_v;
};

} // namespace

Verification CheckStill(const std::wstring& exportPath, const std::wstring& sourcePath,
                        const std::wstring& tempPath) {
    // A failure inside one still is that still's: the report says so and the next is checked.
    std::string problem;
    try {
        return Check(exportPath, sourcePath, tempPath).Run();
    } catch (const std::bad_alloc&) {
        problem = "out of memory while checking this still";
    } catch (const std::exception& e) {
        problem = std::string("the check failed: ") + e.what();
    }
    Verification failed = Started(exportPath);
    failed.problem = problem;
    return failed;
}
