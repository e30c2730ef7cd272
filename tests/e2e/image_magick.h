// Pictures read back by ImageMagick, a decoder independent of the imaging library under test.
// Runs the host's tools from inside Wine and waits for what they write.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    COLORREF At(int x, int y) const;
};

// Decodes a picture file (a Windows path) to 8-bit RGB; false if ImageMagick could not.
bool DecodeWithImageMagick(const std::wstring& path, RgbPicture* picture);

// Runs a host shell command line and returns what it printed on standard output; false if it
// failed or did not finish in time.
bool RunHostCommand(const std::string& commandLine, std::string* output);

// The host (Unix) path of a Windows path.
std::string HostPath(const std::wstring& path);

// Quotes a word for the host shell.
std::string ShellQuoted(const std::string& word);
