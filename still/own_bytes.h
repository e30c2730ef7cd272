// Only the program's own bytes in what it compares: the platform's encoder may add segments of
// its own (GDI+ on Windows writes the picture's properties as EXIF) and writes the bitmap's
// resolution, which new bitmaps take from the display, into the JFIF header.
#pragma once

#include <string>

// The resolution every still states, whatever the display's.
constexpr int kStillDotsPerInch = 96;

// The encoder's JPEG with every APP segment replaced by one JFIF 1.01 header of
// kStillDotsPerInch; false when the bytes are not a complete JPEG file.
bool KeepOwnBytes(const std::string& encoded, std::string* own);
