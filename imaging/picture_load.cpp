#include "picture_load.h"

#include "gdiplus_image.h"

GdiplusImage* DecodePictureFile(const std::wstring& path) {
    return GdiplusImage::FromFile(path.c_str());
}

GdiplusImage* MakeWorkingPicture(GdiplusImage& full) {
    return full.Thumbnail(kWorkingPictureWidth, kWorkingPictureHeight);
}

LoadedPicture LoadPictureFile(const std::wstring& path) {
    LoadedPicture picture;
    picture.full = DecodePictureFile(path);
    picture.working = MakeWorkingPicture(*picture.full);
    return picture;
}

PictureLoad::PictureLoad(const std::wstring& path) : m_path(path) {
    m_hLoaded = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (m_hLoaded != nullptr) {
        m_hThread = ::CreateThread(nullptr, 0, &PictureLoad::Run, this, 0, nullptr);
    }
    if (m_hThread == nullptr) {
        // No thread to spare: the load happens here, as it would without this object.
        m_result = LoadPictureFile(m_path);
    }
}

PictureLoad::~PictureLoad() {
    LoadedPicture left = Take();
    delete left.working;
    delete left.full;
    if (m_hThread != nullptr) {
        ::WaitForSingleObject(m_hThread, INFINITE);
        ::CloseHandle(m_hThread);
    }
    if (m_hLoaded != nullptr) {
        ::CloseHandle(m_hLoaded);
    }
}

DWORD WINAPI PictureLoad::Run(void* self) {
    PictureLoad* load = static_cast<PictureLoad*>(self);
    load->m_result = LoadPictureFile(load->m_path);
    // Signalled before the thread ends: the window need not wait for the thread's own exit.
    ::SetEvent(load->m_hLoaded);
    return 0;
}

LoadedPicture PictureLoad::Take() {
    if (m_hThread != nullptr) {
        ::WaitForSingleObject(m_hLoaded, INFINITE);
    }
    LoadedPicture taken = m_result;
    m_result = LoadedPicture();
    return taken;
}
