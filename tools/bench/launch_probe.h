// Starts a program and watches the screen: how long until a point shows the picture's colour,
// and what the process holds in memory once it has settled.
#pragma once

#include <windows.h>

#include <string>

struct ScreenProbe {
    POINT point;
    COLORREF colour;
};

struct LaunchResult {
    bool ok = false;
    double msToPicture = 0.0;
    double peakMB = 0.0;
    double settledMB = 0.0;
};

// Starts the command line, polls the probe point every millisecond until it shows the colour,
// waits for the process's working set to settle, then closes the program and waits for it.
LaunchResult TimeLaunch(const std::wstring& commandLine, const ScreenProbe& probe);

// Starts the viewer once, reads the screen rectangle of its picture area and closes it again.
// Also warms the file cache for the runs that follow. An empty rectangle on failure.
RECT ViewerPictureArea(const std::wstring& commandLine);
