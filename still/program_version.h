// The versions a still's record names: the program's, from its own version resource, and the
// imaging library's, from the file version of the gdiplus.dll this process runs with.
#pragma once

#include <string>

// "StillView 1.0.0.1": the product, as a still's record names it.
std::string ProgramNameAndVersion();
// "StillVerify 1.0.0.1, 64-bit build": this executable's own name, version and build.
std::string ExecutableNameVersionAndBuild();
// "gdiplus.dll 5.1.3102.2180"; "gdiplus.dll (version unknown)" when it cannot be read.
std::string ImagingLibraryVersion();
