#include "file_name_rules.h"

const wchar_t kSaveAsCaption[] = L"Varnolt -- Save As";
const wchar_t kDefaultFileName[] = L"TGRNPIC.JPG";
const wchar_t kInsertFileNameMessage[] = L" Please insert a file name!";

namespace {

const wchar_t kForbidden[] = L"\\/:*?\"<>|";
const wchar_t kJpegExtension[] = L".JPG";

} // namespace

wchar_t FirstForbiddenCharacter(const std::wstring& name) {
    for (const wchar_t* c = kForbidden; *c != L'\0'; ++c) {
        if (name.find(*c) != std::wstring::npos) {
            return *c;
        }
    }
    return L'\0';
}

std::wstring ForbiddenCharacterMessage() {
    std::wstring list;
    for (const wchar_t* c = kForbidden; *c != L'\0'; ++c) {
        if (!list.empty()) {
            list += L' ';
        }
        list += *c;
    }
    return L" A file name cannot contain any of the following characters:\n \t\t " + list;
}

std::wstring UpperAscii(std::wstring text) {
    for (wchar_t& c : text) {
        if (c >= L'a' && c <= L'z') {
            c = static_cast<wchar_t>(c - L'a' + L'A');
        }
    }
    return text;
}

std::wstring NormalisedJpegName(const std::wstring& name) {
    std::wstring upper = UpperAscii(name);
    size_t dot = upper.rfind(L'.');
    if (dot == std::wstring::npos || upper.compare(dot, std::wstring::npos, kJpegExtension) != 0) {
        upper += kJpegExtension;
    }
    return upper;
}

bool IsSameListedName(const std::wstring& entry, const std::wstring& name) {
    return UpperAscii(entry) == UpperAscii(name);
}

std::wstring ReplaceQuestion(const std::wstring& folder, const std::wstring& name) {
    return L"\tThe file " + folder + L" " + name +
           L" already exists. \t\n\tDo you want to replace it?";
}
