#include "wine_test_support.h"

#include <gdiplus.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

using namespace Gdiplus;

void PumpPendingMessages() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!AfxGetApp()->ProcessMessageFilter(MSGF_DIALOGBOX, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

bool PumpMessagesUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    DWORD start = ::GetTickCount();
    while (!condition()) {
        DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= timeoutMs) {
            return condition();
        }
        // Input already queued counts too, not only what arrives from now on.
        ::MsgWaitForMultipleObjectsEx(0, nullptr, timeoutMs - elapsed, QS_ALLINPUT,
                                      MWMO_INPUTAVAILABLE);
        PumpPendingMessages();
    }
    return true;
}

TestPopup::TestPopup(const RECT& rect) {
    SubclassWindow(::CreateWindowExW(0, L"Static", L"", WS_POPUP | WS_VISIBLE, rect.left, rect.top,
                                     rect.right - rect.left, rect.bottom - rect.top, nullptr,
                                     nullptr, nullptr, nullptr));
}

int CountLiveGdiObjects() {
    int live = 0;
    for (UINT_PTR index = 1; index <= 0xFFFF; ++index) {
        live += ::GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0 ? 1 : 0;
    }
    return live;
}

namespace {

BOOL CALLBACK CountWindow(HWND hWnd, LPARAM lParam) {
    ++*reinterpret_cast<int*>(lParam);
    ::EnumChildWindows(hWnd, &CountWindow, lParam);
    return TRUE;
}

} // namespace

int CountThreadWindows() {
    int count = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

namespace {

INT_PTR CALLBACK HandleNothing(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

} // namespace

HWND CreateTemplateDialog(HMODULE hModule, WORD id) {
    return ::CreateDialogParamW(hModule, MAKEINTRESOURCEW(id), nullptr, HandleNothing, 0);
}

ScratchFolder::ScratchFolder() {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    static int counter = 0;
    m_path = std::wstring(temp) + L"stillview-test-" + std::to_wstring(::GetCurrentProcessId()) +
             L"-" + std::to_wstring(++counter);
    ::CreateDirectoryW(m_path.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() {
    WIN32_FIND_DATAW data;
    HANDLE find = ::FindFirstFileW((m_path + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            ::DeleteFileW(Path(data.cFileName).c_str());
        } while (::FindNextFileW(find, &data));
        ::FindClose(find);
    }
    ::RemoveDirectoryW(m_path.c_str());
}

namespace {

bool FindEncoder(const wchar_t* mimeType, CLSID* clsid) {
    UINT count = 0;
    UINT bytes = 0;
    DllExports::GdipGetImageEncodersSize(&count, &bytes);
    std::vector<BYTE> buffer(bytes);
    auto* codecs = reinterpret_cast<ImageCodecInfo*>(buffer.data());
    if (DllExports::GdipGetImageEncoders(count, bytes, codecs) != Ok) {
        return false;
    }
    for (UINT i = 0; i < count; ++i) {
        if (wcscmp(codecs[i].MimeType, mimeType) == 0) {
            *clsid = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

} // namespace

bool WriteTwoColourPicture(const std::wstring& path, const wchar_t* mimeType, UINT width,
                           UINT height, UINT32 left, UINT32 right) {
    return WritePicture(path, mimeType, width, height,
                        [=](UINT x, UINT) { return x < width / 2 ? left : right; });
}

bool WritePicture(const std::wstring& path, const wchar_t* mimeType, UINT width, UINT height,
                  const std::function<UINT32(UINT, UINT)>& colourAt) {
    CLSID clsid;
    if (!FindEncoder(mimeType, &clsid)) {
        return false;
    }
    std::vector<UINT32> pixels(static_cast<size_t>(width) * height);
    for (UINT y = 0; y < height; ++y) {
        for (UINT x = 0; x < width; ++x) {
            pixels[static_cast<size_t>(y) * width + x] = colourAt(x, y);
        }
    }
    GpBitmap* bitmap = nullptr;
    if (DllExports::GdipCreateBitmapFromScan0(
            static_cast<INT>(width), static_cast<INT>(height), static_cast<INT>(width * 4),
            PixelFormat32bppARGB, reinterpret_cast<BYTE*>(pixels.data()), &bitmap) != Ok) {
        return false;
    }
    GpStatus status = DllExports::GdipSaveImageToFile(bitmap, path.c_str(), &clsid, nullptr);
    DllExports::GdipDisposeImage(bitmap);
    return status == Ok;
}

std::string ReadBytes(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool FileExists(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring SourceFile(const char* relativePath) {
    const char* root = std::getenv("STILLVIEW_SOURCE_DIR");
    std::string path = std::string(root != nullptr ? root : ".") + "/" + relativePath;
    std::wstring windowsPath = L"Z:";
    for (char c : path) {
        windowsPath += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    }
    return windowsPath;
}

ScopedCommandLine::ScopedCommandLine(std::wstring commandLine)
    : m_commandLine(std::move(commandLine)), m_saved(AfxGetApp()->m_lpCmdLine) {
    AfxGetApp()->m_lpCmdLine = m_commandLine.c_str();
}

ScopedCommandLine::~ScopedCommandLine() {
    AfxGetApp()->m_lpCmdLine = m_saved;
}

HBITMAP CreateDib32(int width, int height, void** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* ignored = nullptr;
    return ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits != nullptr ? bits : &ignored,
                              nullptr, 0);
}

ClientCapture::ClientCapture(HWND hWnd) {
    RECT client;
    ::GetClientRect(hWnd, &client);
    m_width = client.right;
    m_height = client.bottom;
    m_pixels.resize(static_cast<size_t>(m_width) * m_height);
    HDC hWindowDC = ::GetDC(hWnd);
    HDC hMemDC = ::CreateCompatibleDC(hWindowDC);
    void* bits = nullptr;
    HBITMAP hBitmap = CreateDib32(m_width, m_height, &bits);
    HGDIOBJ old = ::SelectObject(hMemDC, hBitmap);
    ::BitBlt(hMemDC, 0, 0, m_width, m_height, hWindowDC, 0, 0, SRCCOPY);
    ::GdiFlush();
    memcpy(m_pixels.data(), bits, m_pixels.size() * sizeof(UINT32));
    ::SelectObject(hMemDC, old);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMemDC);
    ::ReleaseDC(hWnd, hWindowDC);
}

COLORREF ClientCapture::At(int x, int y) const {
    UINT32 p = m_pixels[static_cast<size_t>(y) * m_width + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int FaceDifferences(HWND hButton, int nFace) {
    ::RedrawWindow(hButton, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HBITMAP hFace = ::LoadBitmapW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nFace));
    BITMAP info{};
    ::GetObjectW(hFace, sizeof info, &info);
    HDC hScreen = ::GetDC(hButton);
    HDC hMemory = ::CreateCompatibleDC(hScreen);
    HGDIOBJ old = ::SelectObject(hMemory, hFace);
    int differences = info.bmWidth > 0 ? 0 : -1;
    for (int y = 0; y < info.bmHeight; ++y) {
        for (int x = 0; x < info.bmWidth; ++x) {
            differences += ::GetPixel(hScreen, x, y) != ::GetPixel(hMemory, x, y) ? 1 : 0;
        }
    }
    ::SelectObject(hMemory, old);
    ::DeleteDC(hMemory);
    ::ReleaseDC(hButton, hScreen);
    ::DeleteObject(hFace);
    return differences;
}
