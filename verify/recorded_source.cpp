#include "recorded_source.h"

#include <cwctype>

namespace {

bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

std::wstring Upper(std::wstring text) {
    for (wchar_t& c : text) {
        c = static_cast<wchar_t>(std::towupper(c));
    }
    return text;
}

// The system reads these names as devices in any folder, whatever extension follows.
bool IsDeviceName(const std::wstring& part) {
    std::wstring stem = Upper(part.substr(0, part.find(L'.')));
    while (!stem.empty() && stem.back() == L' ') {
        stem.pop_back();
    }
    if (stem == L"CON" || stem == L"PRN" || stem == L"AUX" || stem == L"NUL" || stem == L"CONIN$" ||
        stem == L"CONOUT$") {
        return true;
    }
    return stem.size() == 4 &&
           (stem.compare(0, 3, L"COM") == 0 || stem.compare(0, 3, L"LPT") == 0) &&
           stem[3] >= L'1' && stem[3] <= L'9';
}

} // namespace

bool IsDriveLetterFilePath(const std::wstring& path) {
    std::wstring rest = path.compare(0, 4, L"\\\\?\\") == 0 ? path.substr(4) : path;
    if (rest.size() < 4 || !std::iswalpha(rest[0]) || rest[1] != L':' || !IsSeparator(rest[2])) {
        return false;
    }
    size_t start = 3;
    while (start <= rest.size()) {
        size_t end = start;
        while (end < rest.size() && !IsSeparator(rest[end])) {
            ++end;
        }
        if (IsDeviceName(rest.substr(start, end - start))) {
            return false;
        }
        start = end + 1;
    }
    return true;
}
