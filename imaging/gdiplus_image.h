// An owning handle to a GDI+ image that remembers the last failure of any call made on it.
// An image that could not be loaded holds no native image: it reads as 0 x 0 and draws nothing.
#pragma once

#include <windows.h>

#include <gdiplus.h>

#include <cstddef>
#include <string>

class GdiplusImage {
  public:
    // The imaging library's own allocator, so the object and the library share one heap.
    static void* operator new(std::size_t size);
    static void operator delete(void* p);

    explicit GdiplusImage(Gdiplus::GpImage* native = nullptr) : m_native(native) {}
    ~GdiplusImage();
    GdiplusImage(const GdiplusImage&) = delete;
    GdiplusImage& operator=(const GdiplusImage&) = delete;

    // Loads without colour management. A file whose header is unsafe for the imaging library
    // (see image_header.h) is never handed to it and gives an empty image.
    static GdiplusImage* FromFile(const wchar_t* path);
    // The same for a file already in memory. The image keeps a copy of what it needs, so the
    // bytes may go once it is no longer wanted.
    static GdiplusImage* FromBytes(const std::string& bytes);
    // A new, black picture of this size, 24 bits a pixel.
    static GdiplusImage* NewBitmap(UINT width, UINT height);
    // How many files this process has handed to the imaging library's decoder.
    static int FilesHandedToDecoder();

    UINT Width();
    UINT Height();
    // A new image of the given size showing the whole picture.
    GdiplusImage* Thumbnail(UINT width, UINT height);
    GdiplusImage* Clone();
    // Encodes the image into a file, or into memory; the status is also recorded.
    Gdiplus::GpStatus SaveToFile(const wchar_t* path, const CLSID& encoder,
                                 const Gdiplus::EncoderParameters* parameters);
    Gdiplus::GpStatus SaveToMemory(const CLSID& encoder,
                                   const Gdiplus::EncoderParameters* parameters,
                                   std::string* bytes);

    Gdiplus::GpImage* Native() const { return m_native; }
    Gdiplus::GpStatus LastStatus() const { return m_lastStatus; }
    // Keeps a call's status if it failed; returns it unchanged.
    Gdiplus::GpStatus Record(Gdiplus::GpStatus status);

  private:
    Gdiplus::GpImage* m_native;
    Gdiplus::GpStatus m_lastStatus = Gdiplus::Ok;
};
