#include "picture_path.h"

const wchar_t kDefaultPictureName[] = L"b-320b.bmp";

namespace {

bool IsEnclosedInQuotes(const std::wstring& text) {
    return text.size() >= 2 && text.front() == L'"' && text.back() == L'"';
}

} // namespace

std::wstring PicturePathFromCommandLine(const std::wstring& commandTail) {
    if (commandTail.empty()) {
        return kDefaultPictureName;
    }
    if (commandTail.size() >= kPicturePathCapacity) {
        return std::wstring();
    }
    if (IsEnclosedInQuotes(commandTail)) {
        return commandTail.substr(1, commandTail.size() - 2);
    }
    return commandTail;
}
