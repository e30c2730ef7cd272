#include "gdiplus_image.h"

#include "file_byte_source.h"

#include <atomic>
#include <new>

using namespace Gdiplus;

void* GdiplusImage::operator new(std::size_t size) {
    void* p = DllExports::GdipAlloc(size);
    if (p == nullptr) {
        throw std::bad_alloc();
    }
    return p;
}

void GdiplusImage::operator delete(void* p) {
    DllExports::GdipFree(p);
}

GdiplusImage::~GdiplusImage() {
    if (m_native != nullptr) {
        DllExports::GdipDisposeImage(m_native);
    }
}

GpStatus GdiplusImage::Record(GpStatus status) {
    if (status != Ok) {
        m_lastStatus = status;
    }
    return status;
}

namespace {

// Counted on the loading thread, read on the window's.
std::atomic<int> g_filesHandedToDecoder{0};

} // namespace

int GdiplusImage::FilesHandedToDecoder() {
    return g_filesHandedToDecoder;
}

GdiplusImage* GdiplusImage::FromFile(const wchar_t* path) {
    GdiplusImage* image = new GdiplusImage();
    if (!imaging::IsLoadableImageFile(path)) {
        image->Record(InvalidParameter);
        return image;
    }
    ++g_filesHandedToDecoder;
    image->Record(DllExports::GdipLoadImageFromFile(path, &image->m_native));
    return image;
}

GdiplusImage* GdiplusImage::FromBytes(const std::string& bytes) {
    GdiplusImage* image = new GdiplusImage();
    const imaging::MemoryByteSource source(bytes.data(), bytes.size());
    if (imaging::CheckImageHeader(source).verdict != imaging::HeaderVerdict::Acceptable) {
        image->Record(InvalidParameter);
        return image;
    }
    IStream* stream = nullptr;
    ULONG written = 0;
    if (FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, &stream))) {
        image->Record(OutOfMemory);
        return image;
    }
    if (SUCCEEDED(stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written)) &&
        written == bytes.size() && SUCCEEDED(stream->Seek({}, STREAM_SEEK_SET, nullptr))) {
        ++g_filesHandedToDecoder;
        // The image holds the stream for as long as it needs it.
        image->Record(DllExports::GdipLoadImageFromStream(stream, &image->m_native));
    } else {
        image->Record(OutOfMemory);
    }
    stream->Release();
    return image;
}

GdiplusImage* GdiplusImage::NewBitmap(UINT width, UINT height) {
    GdiplusImage* image = new GdiplusImage();
    GpBitmap* bitmap = nullptr;
    if (image->Record(DllExports::GdipCreateBitmapFromScan0(
            static_cast<INT>(width), static_cast<INT>(height), 0, PixelFormat24bppRGB, nullptr,
            &bitmap)) == Ok) {
        image->m_native = bitmap;
    }
    return image;
}

UINT GdiplusImage::Width() {
    UINT width = 0;
    Record(DllExports::GdipGetImageWidth(m_native, &width));
    return width;
}

UINT GdiplusImage::Height() {
    UINT height = 0;
    Record(DllExports::GdipGetImageHeight(m_native, &height));
    return height;
}

GdiplusImage* GdiplusImage::Thumbnail(UINT width, UINT height) {
    GdiplusImage* thumbnail = new GdiplusImage();
    thumbnail->Record(Record(DllExports::GdipGetImageThumbnail(
        m_native, width, height, &thumbnail->m_native, nullptr, nullptr)));
    return thumbnail;
}

GdiplusImage* GdiplusImage::Clone() {
    GdiplusImage* copy = new GdiplusImage();
    copy->Record(Record(DllExports::GdipCloneImage(m_native, &copy->m_native)));
    return copy;
}

GpStatus GdiplusImage::SaveToFile(const wchar_t* path, const CLSID& encoder,
                                  const EncoderParameters* parameters) {
    return Record(DllExports::GdipSaveImageToFile(m_native, path, &encoder, parameters));
}

GpStatus GdiplusImage::SaveToMemory(const CLSID& encoder, const EncoderParameters* parameters,
                                    std::string* bytes) {
    IStream* stream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, &stream))) {
        return Record(OutOfMemory);
    }
    GpStatus status =
        Record(DllExports::GdipSaveImageToStream(m_native, stream, &encoder, parameters));
    HGLOBAL memory = nullptr;
    STATSTG stat{};
    if (status == Ok && SUCCEEDED(::GetHGlobalFromStream(stream, &memory)) &&
        SUCCEEDED(stream->Stat(&stat, STATFLAG_NONAME))) {
        const char* data = static_cast<const char*>(::GlobalLock(memory));
        bytes->assign(data, static_cast<size_t>(stat.cbSize.QuadPart));
        ::GlobalUnlock(memory);
    } else if (status == Ok) {
        status = Record(GenericError);
    }
    stream->Release();
    return status;
}
