#include "still_check.h"

#include "scratch_file.h"

#include "gdiplus_image.h"
#include "jpeg_segments.h"
#include "picture_bytes.h"
#include "picture_load.h"
#include "producible_values.h"
#include "program_version.h"
#include "record_reading.h"
#include "recorded_source.h"
#include "scratch_file.h"
#include "sha256.h"
#include "still_comparison.h"
#include "still_export.h"
#include "utf8_text.h"

#include <windows.h>

#include <cstring>
#include <memory>
#include <new>

namespace {

// A recorded path that the system says is on a network drive is no more local than a share's.
bool IsOnLocalDisk(const std::wstring& path) {
    if (!IsDriveLetterFilePath(path)) {
        return false;
    }
    std::wstring root = path.substr(path.find(L':') - 1, 2) + L"\\";
    return ::GetDriveTypeW(root.c_str()) != DRIVE_REMOTE;
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

std::string DecodeFailure(Gdiplus::GpStatus status) {
    return status == Gdiplus::OutOfMemory ? " (out of memory)" : "";
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
        // A path in the record is the recorder's word, not the examiner's: it is opened only on
        // a local disk, never on a server or a device it could name.
        if (m_sourcePath.empty() && !IsOnLocalDisk(source)) {
            Fail("the recorded source is not on a local disk; give it with --source");
            return m_v;
        }
        // Read once: the bytes hashed are the bytes decoded.
        PictureDigest digest;
        // The working picture is made as the record says it was.
        LoadedPicture picture =
            LoadPictureFile(source, &digest,
                            m_v.record.workingDrawn ? WorkingPictureWay::kDrawnFromPicture
                                                    : WorkingPictureWay::kThumbnailCall);
        std::unique_ptr<GdiplusImage> working(picture.working);
        if (CheckSource(picture, digest) && m_v.sourceMatches && Decoded(picture) &&
            CheckValues(picture)) {
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
        if (!ReadPictureBytes(m_exportPath.c_str(), &m_exportBytes)) {
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

    bool CheckSource(const LoadedPicture& picture, const PictureDigest& digest) {
        if (!picture.read || digest.sha256.empty()) {
            return Fail("the source cannot be read: " + m_v.sourcePath);
        }
        m_v.sourceRead = true;
        m_v.sourceBytes = digest.bytes;
        m_v.sourceSha256 = digest.sha256;
        m_v.sourceMatches =
            digest.bytes == m_v.record.sourceBytes && digest.sha256 == m_v.record.sourceSha256;
        return true;
    }

    bool Decoded(const LoadedPicture& picture) {
        GdiplusImage& working = *picture.working;
        if (picture.decodeStatus != Gdiplus::Ok || working.Native() == nullptr) {
            return Fail("the source cannot be decoded" + DecodeFailure(picture.decodeStatus) +
                        DecodeFailure(working.LastStatus()));
        }
        if (working.Width() != kWorkingPictureWidth || working.Height() != kWorkingPictureHeight) {
            return Fail("the imaging library made a working picture of " +
                        SizeText(working.Width(), working.Height()) + ", not " +
                        SizeText(kWorkingPictureWidth, kWorkingPictureHeight));
        }
        return true;
    }

    bool CheckValues(const LoadedPicture& picture) {
        PictureSizes sizes;
        sizes.workingWidth = static_cast<int>(kWorkingPictureWidth);
        sizes.workingHeight = static_cast<int>(kWorkingPictureHeight);
        sizes.sourceWidth = picture.sourceWidth;
        sizes.sourceHeight = picture.sourceHeight;
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
