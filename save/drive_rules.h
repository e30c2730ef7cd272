// Which drives the Save-As dialog offers, under what label, and which one it selects.
#pragma once

#include <optional>
#include <string>
#include <vector>

// The system's drive types, with the values its drive-type query returns.
enum DriveType {
    kDriveUnknown = 0,
    kDriveNoRootDir = 1,
    kDriveRemovable = 2,
    kDriveFixed = 3,
    kDriveRemote = 4,
    kDriveCdRom = 5,
    kDriveRamDisk = 6,
};

// A fixed drive is an export disk only under exactly this volume name.
extern const wchar_t kExportVolumeName[];

// "A:\" for 'A'.
std::wstring DriveRoot(wchar_t letter);

// Whether a drive of this type may be listed at all, before its volume is asked; a fixed drive
// still needs its volume name to qualify.
bool MayOfferDrive(int type, wchar_t letter, bool allowDriveA);

// The label a drive is listed under, or none when it is not listed. volumeName is none when
// the volume query failed (no medium, unreadable); an empty name is a medium without one.
std::optional<std::wstring> DriveLabel(int type, wchar_t letter, bool allowDriveA,
                                       const std::optional<std::wstring>& volumeName);

// The list entry of the remembered folder: the root that equals it in upper case, else the first.
int DriveIndexForFolder(const std::vector<std::wstring>& roots, const std::wstring& folder);
// The folder the dialog starts in: the remembered one when its drive is listed, else the root of
// the entry the list shows, so that a save goes to the drive on the screen and never to one the
// rules keep out. With no drive listed, the remembered folder.
std::wstring StartingFolder(const std::vector<std::wstring>& roots, const std::wstring& remembered);
