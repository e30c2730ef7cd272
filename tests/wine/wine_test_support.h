// Helpers for tests that run windows in-process under Wine.
#pragma once

#include "afxwin.h"
#include "test_files.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

// Dispatches messages (through the application's message filter, as the modal loop does) until
// the condition holds or the deadline passes; returns the condition's last value.
bool PumpMessagesUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

// Dispatches what is queued now, without waiting.
void PumpPendingMessages();

// The process's live GDI objects. Every GDI handle's low 16 bits index the process's handle
// table, and a handle that is only an index names whatever object lives in that slot; the usage
// counters the system would offer instead are not kept on this platform.
int CountLiveGdiObjects();

// The windows of this thread, top-level and child.
int CountThreadWindows();

// The dialog of a template, modeless, with a procedure that handles nothing: its controls as
// the template lays them out. Null if it cannot be created.
HWND CreateTemplateDialog(HMODULE hModule, WORD id);

// A visible pop-up window of the object's own, to hold controls under test; destroyed with the
// object.
class TestPopup : public CWnd {
  public:
    explicit TestPopup(const RECT& rect);
    ~TestPopup() override { DestroyWindow(); }
};

// A fresh folder under the temporary folder, removed with its files at the end of the test.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::wstring Path(const std::wstring& name) const { return m_path + L"\\" + name; }
    const std::wstring& Root() const { return m_path; }

  private:
    std::wstring m_path;
};

// Writes a picture of the given size and format ("image/bmp", "image/jpeg", "image/png",
// "image/tiff"; this platform's GIF encoder writes no image data): its left half in one colour
// (ARGB), its right half in another.
bool WriteTwoColourPicture(const std::wstring& path, const wchar_t* mimeType, UINT width,
                           UINT height, UINT32 left = 0xFFFF0000, UINT32 right = 0xFF0000FF);
// Writes a picture whose pixel (x, y) has the colour (ARGB) the function gives.
bool WritePicture(const std::wstring& path, const wchar_t* mimeType, UINT width, UINT height,
                  const std::function<UINT32(UINT, UINT)>& colourAt);

// How many pixels of a button on screen differ from the bitmap resource drawn at its origin;
// -1 when there is no such resource.
int FaceDifferences(HWND hButton, int nFace);

// A top-down 32-bit DIB section; its pixels are at *bits when bits is given.
HBITMAP CreateDib32(int width, int height, void** bits = nullptr);

// The pixels of a window's client area as they are on the screen now.
class ClientCapture {
  public:
    explicit ClientCapture(HWND hWnd);
    COLORREF At(int x, int y) const;
    int Width() const { return m_width; }
    int Height() const { return m_height; }

  private:
    int m_width;
    int m_height;
    std::vector<UINT32> m_pixels;
};

// A whole file's bytes; empty when it cannot be read.
std::string ReadBytes(const std::wstring& path);

bool FileExists(const std::wstring& path);

// A file of the source tree (STILLVIEW_SOURCE_DIR), as a Windows path through the Z: drive.
std::wstring SourceFile(const char* relativePath);

// Sets the application's command line for the life of the object.
class ScopedCommandLine {
  public:
    explicit ScopedCommandLine(std::wstring commandLine);
    ~ScopedCommandLine();
    ScopedCommandLine(const ScopedCommandLine&) = delete;
    ScopedCommandLine& operator=(const ScopedCommandLine&) = delete;

  private:
    std::wstring m_commandLine;
    const wchar_t* m_saved;
};
