// Loading the picture the viewer opens and reducing it to the working picture. The decode is
// most of the start-up time, so the program starts it on a thread of its own before it builds
// its window, and the window takes the result when it needs it.
#pragma once

#include <windows.h>

#include <string>

class GdiplusImage;

// The working picture: the whole picture at this size is all the viewer keeps.
constexpr UINT kWorkingPictureWidth = 640;
constexpr UINT kWorkingPictureHeight = 480;

// The file as decoded and the working picture made from it. A picture that could not be loaded
// still gives both objects, empty, with their failure recorded.
struct LoadedPicture {
    GdiplusImage* full = nullptr;
    GdiplusImage* working = nullptr;
};

LoadedPicture LoadPictureFile(const std::wstring& path);
// The two steps of the load, for a caller with work to fit between them.
GdiplusImage* DecodePictureFile(const std::wstring& path);
GdiplusImage* MakeWorkingPicture(GdiplusImage& full);

class PictureLoad {
  public:
    explicit PictureLoad(const std::wstring& path);
    ~PictureLoad();
    PictureLoad(const PictureLoad&) = delete;
    PictureLoad& operator=(const PictureLoad&) = delete;

    const std::wstring& Path() const { return m_path; }
    // Waits for the load; the caller owns both images. Empty after the first call.
    LoadedPicture Take();

  private:
    static DWORD WINAPI Run(void* self);

    std::wstring m_path;
    HANDLE m_hThread = nullptr;
    HANDLE m_hLoaded = nullptr;
    LoadedPicture m_result;
};
