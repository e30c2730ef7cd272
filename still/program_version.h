// The versions a still's record names: the program's, from its own version resource, and the
// imaging library's, from the file version of the gdiplus.dll this process runs with.
#pragma once

#include <string>

// "StillView 1.0.0.1": the product, as a still's record names it.
std::string ProgramNameAndVersion();
// "StillVerify 1.0.0.1, 64-bit build": this executable's own name, version and build.
std::string ExecutableNameVersionAndBuild();
// The gdiplus.dll this process runs with, as ImagingLibraryText names it: file version, SHA-256
// of the loaded file, and Wine or Windows.
std::string ImagingLibraryVersion();
// Wine's version ("8.0") when the program runs under Wine; empty on Windows.
std::string WineVersion();
