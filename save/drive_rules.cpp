#include "drive_rules.h"

#include "file_name_rules.h"

const wchar_t kExportVolumeName[] = L"DOVOZIZ";

std::wstring DriveRoot(wchar_t letter) {
    return std::wstring(1, letter) + L":\\";
}

bool MayOfferDrive(int type, wchar_t letter, bool allowDriveA) {
    switch (type) {
    case kDriveRemovable:
        return letter != L'A' || allowDriveA;
    case kDriveFixed:
    case kDriveCdRom:
        return true;
    default:
        return false;
    }
}

namespace {

std::wstring NamedLabel(const std::wstring& name, const std::wstring& root) {
    return name + L" (" + root + L")";
}

std::wstring FallbackLabel(int type, wchar_t letter, const std::wstring& root) {
    if (type == kDriveCdRom) {
        return L"CD-ROM (" + root + L")";
    }
    if (letter == L'A') {
        return L"Floppy (" + root + L")";
    }
    return L"(" + root + L")";
}

} // namespace

std::optional<std::wstring> DriveLabel(int type, wchar_t letter, bool allowDriveA,
                                       const std::optional<std::wstring>& volumeName) {
    if (!MayOfferDrive(type, letter, allowDriveA)) {
        return std::nullopt;
    }
    std::wstring root = DriveRoot(letter);
    if (type == kDriveFixed) {
        if (!volumeName || *volumeName != kExportVolumeName) {
            return std::nullopt;
        }
        return NamedLabel(*volumeName, root) + L" ";
    }
    return volumeName ? NamedLabel(*volumeName, root) : FallbackLabel(type, letter, root);
}

int DriveIndexForFolder(const std::vector<std::wstring>& roots, const std::wstring& folder) {
    std::wstring wanted = UpperAscii(folder);
    for (size_t i = 0; i < roots.size(); ++i) {
        if (UpperAscii(roots[i]) == wanted) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

std::wstring StartingFolder(const std::vector<std::wstring>& roots,
                            const std::wstring& remembered) {
    if (roots.empty()) {
        return remembered;
    }
    const std::wstring& shown = roots[static_cast<size_t>(DriveIndexForFolder(roots, remembered))];
    return UpperAscii(shown) == UpperAscii(remembered) ? remembered : shown;
}
