// One thread for the reading a window does of its picture file, kept while the window lives: work
// after the first starts at once, instead of waiting for a thread to be made, which under Wine
// takes milliseconds spent beside whatever the window is doing. One piece runs at a time.
#pragma once

#include <windows.h>

#include <functional>

class ReaderThread {
  public:
    ReaderThread();
    // Never waits on the medium: work held in a read is left to end on its own.
    ~ReaderThread();
    ReaderThread(const ReaderThread&) = delete;
    ReaderThread& operator=(const ReaderThread&) = delete;

    // Starts the work on the thread; false, with nothing started, when there is no thread or it
    // is still busy with earlier work.
    bool Start(std::function<void()> work);

  private:
    struct Shared;
    static DWORD WINAPI Run(void* shared);

    Shared* m_shared;
    HANDLE m_hThread = nullptr;
};
