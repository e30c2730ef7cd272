#include "save_rules_properties.h"

#include "save/command_file_rules.h"
#include "save/file_name_rules.h"
#include "still/jpeg_comment.h"

namespace {

// The option with the case of each letter taken from a bit of the input, so that every mix of
// cases is tried.
std::string OptionInCaseOf(const std::string& bytes) {
    std::string option = "/ndra";
    unsigned bits = bytes.empty() ? 0 : static_cast<unsigned char>(bytes.back());
    for (std::size_t i = 1; i < option.size(); ++i) {
        if ((bits >> i) & 1) {
            option[i] = static_cast<char>(option[i] - 'a' + 'A');
        }
    }
    return option;
}

// The bytes with the option written over them from the offset on, lengthened with blanks if they
// are too short.
std::string WithOptionAt(std::string bytes, std::size_t at, const std::string& option) {
    if (bytes.size() < at + option.size()) {
        bytes.resize(at + option.size(), ' ');
    }
    bytes.replace(at, option.size(), option);
    return bytes;
}

// The input's own bytes become a command file with the option placed where the input's first
// byte says: wholly within the first hundred bytes, or ending past them.
std::string CommandFileRule(const std::string& bytes) {
    const std::string option = OptionInCaseOf(bytes);
    const std::size_t lastStartInside = kCommandFileReadLimit - option.size();
    const std::size_t pick = bytes.empty() ? 0 : static_cast<unsigned char>(bytes[0]);
    if (!CommandForbidsDriveA(WithOptionAt(bytes, pick % (lastStartInside + 1), option))) {
        return "an option within the first hundred bytes was missed";
    }
    if (!CommandForbidsDriveA(bytes.substr(0, kCommandFileReadLimit)) &&
        CommandForbidsDriveA(WithOptionAt(bytes, lastStartInside + 1 + pick % 24, option))) {
        return "an option that ends past the first hundred bytes was taken";
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
