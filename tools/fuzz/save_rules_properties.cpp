#include "save_rules_properties.h"

#include "export/command_file_rules.h"
#include "export/file_name_rules.h"
#include "export/jpeg_comment.h"

namespace {

std::string SwapAsciiCase(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        } else if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

std::string CommandFileRule(const std::string& bytes) {
    bool forbids = CommandForbidsDriveA(bytes);
    if (CommandForbidsDriveA(bytes + "/NDRA") != forbids && bytes.size() >= kCommandFileReadLimit) {
        return "a byte after the first hundred changed the command file's meaning";
    }
    if (CommandForbidsDriveA(SwapAsciiCase(bytes)) != forbids) {
        return "the command file's option depends on case";
    }
    if (forbids && bytes.find_first_of("/") == std::string::npos) {
        return "drive A kept out without the option's slash";
    }
    return std::string();
}

std::string FileNameRule(const std::string& bytes) {
    std::wstring name(bytes.begin(), bytes.end());
    std::wstring normal = NormalisedJpegName(name);
    if (normal.size() < 4 || normal.compare(normal.size() - 4, 4, L".JPG") != 0) {
        return "a normalised name does not end in .JPG";
    }
    if (NormalisedJpegName(normal) != normal) {
        return "normalising twice changes the name";
    }
    if (normal.size() != name.size() && normal.size() != name.size() + 4) {
        return "normalising did more than append .JPG";
    }
    if (normal.find_first_of(L"abcdefghijklmnopqrstuvwxyz") != std::wstring::npos) {
        return "a normalised name keeps a lower-case letter";
    }
    if ((FirstForbiddenCharacter(name) == L'\0') != (FirstForbiddenCharacter(normal) == L'\0')) {
        return "normalising changed whether the name is allowed";
    }
    if (!IsSameListedName(name, normal.substr(0, name.size()))) {
        return "a name does not match its own upper-case form";
    }
    return std::string();
}

std::string JpegCommentRule(const std::string& bytes) {
    const std::string jpeg = "\xFF\xD8" + bytes;
    const std::string text = bytes.substr(0, bytes.size() / 2);
    std::string result;
    if (!InsertJpegComment(jpeg, text, &result)) {
        return std::string();
    }
    if (result.size() != jpeg.size() + (text.empty() ? 0 : text.size() + 4)) {
        return "the comment changed the file by more than its own segment";
    }
    std::size_t at = 0;
    while (at < jpeg.size() && result[at] == jpeg[at]) {
        ++at;
    }
    std::size_t inserted = result.size() - jpeg.size();
    if (result.compare(at + inserted, std::string::npos, jpeg, at, std::string::npos) != 0) {
        return "bytes after the comment differ from the original";
    }
    return std::string();
}

} // namespace

std::string BrokenSaveRule(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (auto rule : {&CommandFileRule, &FileNameRule, &JpegCommentRule}) {
        std::string broken = rule(bytes);
        if (!broken.empty()) {
            return broken;
        }
    }
    return std::string();
}
