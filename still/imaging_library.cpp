#include "imaging_library.h"

namespace {

const char kHashMark[] = ", sha256 ";

} // namespace

std::string ImagingLibraryText(const std::string& version, const std::string& sha256,
                               const std::string& wineVersion) {
    return "gdiplus.dll " + (version.empty() ? std::string("(version unknown)") : version) +
           kHashMark + (sha256.empty() ? std::string("unavailable") : sha256) +
           (wineVersion.empty() ? ", on Windows" : ", under Wine " + wineVersion);
}

bool SameImagingLibrary(const std::string& recorded, const std::string& current) {
    if (recorded.find(kHashMark) != std::string::npos) {
        return recorded == current;
    }
    return recorded == current.substr(0, current.find(kHashMark));
}
