// Which imaging library made a still: its file version alone cannot tell (Wine's gdiplus.dll
// states a real Windows 7 build), so the record also names the DLL's SHA-256 and the platform.
#pragma once

#include <string>

// "gdiplus.dll 6.1.7601.17514, sha256 <hex>, under Wine 8.0" or "..., on Windows". An empty
// version or hash reads "(version unknown)" or "sha256 unavailable"; an empty wineVersion is
// Windows.
std::string ImagingLibraryText(const std::string& version, const std::string& sha256,
                               const std::string& wineVersion);

// Whether a still recorded as made with `recorded` was made with the library named `current`.
// Records from before the hash name the version alone, and are held against the version alone.
bool SameImagingLibrary(const std::string& recorded, const std::string& current);
