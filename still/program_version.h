// The versions a still's record names: the program's, from its own version resource, and the
// imaging library's, from the file version of the gdiplus.dll this process runs with.
#pragma once

#include <string>

// "StillView 1.0.0.1"
std::string ProgramNameAndVersion();
// "gdiplus.dll 5.1.3102.2180"; "gdiplus.dll (version unknown)" when it cannot be read.
std::string ImagingLibraryVersion();
