#include "picture_load.h"

#include "embedded_thumbnail.h"
#include "gdiplus_drawing.h"
#include "gdiplus_image.h"
#include "picture_bytes.h"
#include "sha256.h"
#include "thread_release.h"

#include <memory>

namespace {

WorkingPictureWay WayFor(const std::string& bytes) {
    return imaging::HasEmbeddedThumbnail(reinterpret_cast<const unsigned char*>(bytes.data()),
                                         bytes.size())
               ? WorkingPictureWay::kDrawnFromPicture
               : WorkingPictureWay::kThumbnailCall;
}

// The whole picture drawn over a new working picture; an empty image when that fails.
GdiplusImage* DrawWorkingPicture(GdiplusImage& full) {
    std::unique_ptr<GdiplusImage> working(
        GdiplusImage::NewBitmap(kWorkingPictureWidth, kWorkingPictureHeight));
    const RECT whole = {0, 0, static_cast<LONG>(kWorkingPictureWidth),
                        static_cast<LONG>(kWorkingPictureHeight)};
    const RECT picture = {0, 0, static_cast<LONG>(full.Width()), static_cast<LONG>(full.Height())};
    if (working->Native() != nullptr) {
        GdiplusGraphics graphics(*working);
        if (graphics.Native() != nullptr &&
            graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic) ==
                Gdiplus::Ok &&
            graphics.DrawImage(full, whole, picture, nullptr) == Gdiplus::Ok) {
            return working.release();
        }
    }
    auto* failed = new GdiplusImage();
    failed->Record(working->LastStatus() != Gdiplus::Ok ? working->LastStatus()
                                                        : Gdiplus::GenericError);
    return failed;
}

GdiplusImage* MakeWorkingPicture(GdiplusImage& full, WorkingPictureWay way) {
    return way == WorkingPictureWay::kDrawnFromPicture
               ? DrawWorkingPicture(full)
               : full.Thumbnail(kWorkingPictureWidth, kWorkingPictureHeight);
}

// The full picture lives only as long as the working picture takes to make: the viewer keeps
// its size and nothing else of it.
LoadedPicture Decode(const std::string& bytes, bool read, WorkingPictureWay way) {
    LoadedPicture picture;
    picture.read = read;
    picture.way = way;
    std::unique_ptr<GdiplusImage> full(GdiplusImage::FromBytes(bytes));
    picture.decodeStatus = full->LastStatus();
    if (full->Native() != nullptr) {
        picture.sourceWidth = static_cast<int>(full->Width());
        picture.sourceHeight = static_cast<int>(full->Height());
    }
    picture.working = MakeWorkingPicture(*full, way);
    return picture;
}

// Hashes the bytes, then lets them go: memory returns to what the working picture needs.
PictureDigest HashAndRelease(std::string* bytes, bool read) {
    PictureDigest digest;
    if (read) {
        digest.sha256 = Sha256Of(*bytes);
        digest.bytes = bytes->size();
    }
    std::string().swap(*bytes);
    return digest;
}

} // namespace

LoadedPicture LoadPictureFile(const std::wstring& path, PictureDigest* digest,
                              std::optional<WorkingPictureWay> way) {
    std::string bytes;
    bool read = ReadPictureBytes(path.c_str(), &bytes);
    LoadedPicture picture = Decode(bytes, read, way.value_or(WayFor(bytes)));
    *digest = HashAndRelease(&bytes, read);
    return picture;
}

// What the loading thread works on. The load and the thread each hold it, and the last of them to
// let go deletes it, so a thread held in a read can outlive the load.
struct PictureLoad::Job {
    explicit Job(const std::wstring& filePath)
        : path(filePath), hPicture(::CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          hDigest(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~Job() {
        delete picture.working;
        ::CloseHandle(hPicture);
        ::CloseHandle(hDigest);
    }
    Job(const Job&) = delete;
    Job& operator=(const Job&) = delete;

    // The picture is signalled before the hash is made: the window need not wait for the hash,
    // nor for the hashing service to start.
    void Load() {
        std::string bytes;
        bool read = ReadPictureBytes(path.c_str(), &bytes);
        picture = Decode(bytes, read, WayFor(bytes));
        ::SetEvent(hPicture);
        digest = HashAndRelease(&bytes, read);
        ::SetEvent(hDigest);
    }
    void Release() {
        if (::InterlockedDecrement(&holders) == 0) {
            delete this;
        }
    }

    std::wstring path;
    volatile LONG holders = 1;
    HANDLE hPicture;
    HANDLE hDigest;
    LoadedPicture picture;
    PictureDigest digest;
};

PictureLoad::PictureLoad(const std::wstring& path) : m_path(path), m_job(new Job(path)) {
    if (m_job->hPicture != nullptr && m_job->hDigest != nullptr) {
        ::InterlockedIncrement(&m_job->holders);
        m_hThread = ::CreateThread(nullptr, 0, &PictureLoad::Run, m_job, 0, nullptr);
        if (m_hThread == nullptr) {
            m_job->Release();
        }
    }
    if (m_hThread == nullptr) {
        // No thread to spare: the load happens here, as it would without this object.
        PictureDigest digest;
        m_job->picture = LoadPictureFile(m_path, &digest);
        m_job->digest = digest;
    }
}

PictureLoad::~PictureLoad() {
    LetThreadGo(m_hThread);
    m_job->Release();
}

DWORD WINAPI PictureLoad::Run(void* job) {
    auto* pJob = static_cast<Job*>(job);
    pJob->Load();
    pJob->Release();
    return 0;
}

bool PictureLoad::TakePicture(DWORD timeoutMs, LoadedPicture* picture) {
    if (m_hThread != nullptr &&
        ::WaitForSingleObject(m_job->hPicture, timeoutMs) != WAIT_OBJECT_0) {
        return false;
    }
    *picture = m_job->picture;
    m_job->picture.working = nullptr;
    return true;
}

HANDLE PictureLoad::DigestReady() const {
    return m_hThread != nullptr ? m_job->hDigest : nullptr;
}

bool PictureLoad::HasDigest() const {
    return m_hThread == nullptr || ::WaitForSingleObject(m_job->hDigest, 0) == WAIT_OBJECT_0;
}

const PictureDigest& PictureLoad::Digest() const {
    return m_job->digest;
}
