#include "picture_load.h"

#include "embedded_thumbnail.h"
#include "gdiplus_drawing.h"
#include "gdiplus_image.h"
#include "picture_bytes.h"
#include "sha256.h"

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
// its size and nothing else of it. `decoded` runs between the decode and the reduction.
template <typename Between>
LoadedPicture Decode(const std::string& bytes, bool read, WorkingPictureWay way, Between decoded) {
    LoadedPicture picture;
    picture.read = read;
    picture.way = way;
    std::unique_ptr<GdiplusImage> full(GdiplusImage::FromBytes(bytes));
    picture.decodeStatus = full->LastStatus();
    if (full->Native() != nullptr) {
        picture.sourceWidth = static_cast<int>(full->Width());
        picture.sourceHeight = static_cast<int>(full->Height());
    }
    decoded();
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

// The SHA-256 of bytes in memory, made on a thread of its own while the caller decodes them; both
// only read the bytes.
class HashBeside {
  public:
    explicit HashBeside(const std::string& bytes) : m_bytes(bytes) {
        m_hThread = ::CreateThread(nullptr, 0, &HashBeside::Run, this, 0, nullptr);
    }
    ~HashBeside() { Sha256(); }
    HashBeside(const HashBeside&) = delete;
    HashBeside& operator=(const HashBeside&) = delete;

    const std::string& Sha256() {
        if (m_hThread != nullptr) {
            // Work on memory alone: it ends.
            ::WaitForSingleObject(m_hThread, INFINITE);
            ::CloseHandle(m_hThread);
            m_hThread = nullptr;
        } else if (m_sha256.empty()) {
            m_sha256 = Sha256Of(m_bytes);
        }
        return m_sha256;
    }

  private:
    static DWORD WINAPI Run(void* self) {
        auto* hash = static_cast<HashBeside*>(self);
        hash->m_sha256 = Sha256Of(hash->m_bytes);
        return 0;
    }

    const std::string& m_bytes;
    std::string m_sha256;
    HANDLE m_hThread = nullptr;
};

} // namespace

LoadedPicture LoadPictureFile(const std::wstring& path, PictureDigest* digest,
                              std::optional<WorkingPictureWay> way) {
    std::string bytes;
    bool read = ReadPictureBytes(path.c_str(), &bytes);
    // Hashed beside the reduction, not the decode: beside the decode it slows both.
    std::optional<HashBeside> hash;
    LoadedPicture picture =
        Decode(bytes, read, way.value_or(WayFor(bytes)), [&] { hash.emplace(bytes); });
    digest->sha256 = read ? hash->Sha256() : std::string();
    digest->bytes = read ? bytes.size() : 0;
    return picture;
}

namespace {

// Where the loading thread is: a read may be abandoned, a decode may not, since the imaging
// library must not be shut down under it.
constexpr LONG kReading = 0;
constexpr LONG kDecoding = 1;
constexpr LONG kAbandoned = 2;

} // namespace

// What the loading thread works on. The load and the thread each hold it, and the last of them to
// let go deletes it, so a thread held in a read can outlive the load.
struct PictureLoad::Job {
    explicit Job(const std::wstring& filePath)
        : path(filePath), hPicture(::CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          hDigest(::CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          hMayHash(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~Job() {
        ::CloseHandle(hPicture);
        ::CloseHandle(hDigest);
        ::CloseHandle(hMayHash);
    }
    Job(const Job&) = delete;
    Job& operator=(const Job&) = delete;

    // The picture is signalled before the hash is made: the window need not wait for the hash,
    // nor for the hashing service to start.
    void Load() {
        std::string bytes;
        bool read = ReadPictureBytes(path.c_str(), &bytes);
        if (::InterlockedCompareExchange(&stage, kDecoding, kReading) == kAbandoned) {
            return;
        }
        picture = Decode(bytes, read, WayFor(bytes), [] {});
        ::SetEvent(hPicture);
        ::WaitForSingleObject(hMayHash, INFINITE);
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
    volatile LONG stage = kReading;
    HANDLE hPicture;
    HANDLE hDigest;
    HANDLE hMayHash;
    LoadedPicture picture;
    PictureDigest digest;
};

PictureLoad::PictureLoad(const std::wstring& path) : m_path(path), m_job(new Job(path)) {
    if (m_job->hPicture != nullptr && m_job->hDigest != nullptr && m_job->hMayHash != nullptr) {
        ::InterlockedIncrement(&m_job->holders);
        Job* job = m_job;
        m_onThread = m_reader.Start([job] {
            job->Load();
            job->Release();
        });
        if (!m_onThread) {
            m_job->Release();
        }
    }
    if (!m_onThread) {
        // No thread to spare: the load happens here, as it would without this object.
        PictureDigest digest;
        m_job->picture = LoadPictureFile(m_path, &digest);
        m_job->digest = digest;
    }
}

PictureLoad::~PictureLoad() {
    if (m_onThread &&
        ::InterlockedCompareExchange(&m_job->stage, kAbandoned, kReading) == kDecoding) {
        ::WaitForSingleObject(m_job->hPicture, INFINITE);
    }
    // A picture never taken goes here, while the imaging library is surely still up.
    LoadedPicture left;
    if (TakePicture(0, &left)) {
        delete left.working;
    }
    AllowDigest();
    m_job->Release();
}

bool PictureLoad::TakePicture(DWORD timeoutMs, LoadedPicture* picture) {
    if (m_onThread && ::WaitForSingleObject(m_job->hPicture, timeoutMs) != WAIT_OBJECT_0) {
        return false;
    }
    *picture = m_job->picture;
    m_job->picture.working = nullptr;
    return true;
}

void PictureLoad::AllowDigest() {
    if (m_onThread) {
        ::SetEvent(m_job->hMayHash);
    }
}

HANDLE PictureLoad::DigestReady() const {
    return m_onThread ? m_job->hDigest : nullptr;
}

bool PictureLoad::HasDigest() const {
    return !m_onThread || ::WaitForSingleObject(m_job->hDigest, 0) == WAIT_OBJECT_0;
}

const PictureDigest& PictureLoad::Digest() const {
    return m_job->digest;
}
