// Loading the picture the viewer opens: the file is read once into memory, and the working picture
// is made and the SHA-256 taken from those same bytes, which then go. The decode is most of the
// start-up time, so the program starts it on a thread of its own before it builds its window, and
// the window takes the result when it needs it, waiting no longer than it chooses.
#pragma once

#include <windows.h>

#include <gdiplus.h>

#include "reader_thread.h"

#include <cstdint>
#include <optional>
#include <string>

class GdiplusImage;

// The working picture: the whole picture at this size is all the viewer keeps.
constexpr UINT kWorkingPictureWidth = 640;
constexpr UINT kWorkingPictureHeight = 480;

// How the working picture is made: by the imaging library's thumbnail call, as every still saved
// before embedded previews were known was; or, for a file that carries a preview the call would
// scale instead, drawn from the whole decoded picture.
enum class WorkingPictureWay { kThumbnailCall, kDrawnFromPicture };

// What the file gave. A picture that could not be loaded still gives a working picture, empty,
// with its failure recorded.
struct LoadedPicture {
    GdiplusImage* working = nullptr;
    // The file was read whole; else nothing was decoded.
    bool read = false;
    Gdiplus::GpStatus decodeStatus = Gdiplus::Ok;
    int sourceWidth = 0;
    int sourceHeight = 0;
    WorkingPictureWay way = WorkingPictureWay::kThumbnailCall;
};

// The bytes that were decoded: their count and SHA-256 (lower-case hex; empty when the file could
// not be read or hashed).
struct PictureDigest {
    std::uint64_t bytes = 0;
    std::string sha256;
};

// The whole load on the caller's thread. The working picture is made the way the file calls for,
// or the way given (as a record says it was made).
LoadedPicture LoadPictureFile(const std::wstring& path, PictureDigest* digest,
                              std::optional<WorkingPictureWay> way = std::nullopt);

class PictureLoad {
  public:
    explicit PictureLoad(const std::wstring& path);
    // Never waits on the medium: a load held in a read is left to end on its own and decodes
    // nothing. A decode under way is waited for, since the imaging library must outlive it.
    ~PictureLoad();
    PictureLoad(const PictureLoad&) = delete;
    PictureLoad& operator=(const PictureLoad&) = delete;

    const std::wstring& Path() const { return m_path; }
    // Whether the picture came within the time given; if so the caller owns it, and it is
    // handed over only once.
    bool TakePicture(DWORD timeoutMs, LoadedPicture* picture);
    // The digest of the decoded bytes is made only once this is called: its hashing service
    // starting beside the first paint would slow it.
    void AllowDigest();
    // Signalled when the digest of the decoded bytes is in (it follows the picture); null when
    // it was made at construction.
    HANDLE DigestReady() const;
    bool HasDigest() const;
    const PictureDigest& Digest() const;

    // The thread that loaded the picture, kept for later reads of its file.
    ReaderThread& Reader() { return m_reader; }

  private:
    struct Job;

    std::wstring m_path;
    Job* m_job;
    ReaderThread m_reader;
    bool m_onThread = false;
};
