// The real program's Save-As dialog and message boxes, driven and read from another process.
#pragma once

#include "viewer_process.h"

#include <windows.h>

#include <string>
#include <vector>

constexpr int kSave = 1006;
constexpr int kDrives = 1005;
constexpr int kFileName = 1023;
extern const wchar_t kSaveAsCaption[];
extern const wchar_t kCheckCaption[];
extern const wchar_t kResultCaption[];

std::wstring Environment(const wchar_t* name);
// A window's text, through the wide message that works across processes.
std::wstring Text(HWND hWnd);
// Posts a button's click to its dialog.
void Click(HWND hDialog, int nID);

std::vector<std::wstring> DriveEntries(HWND hDialog);
int SelectedDrive(HWND hDialog);
void ChooseDrive(HWND hDialog, int index);
// Types the name and presses Save, on the drive the dialog shows.
void SaveHere(HWND hDialog, const wchar_t* name);
// Chooses the drive, types the name and presses Save.
void SaveOn(HWND hDialog, int drive, const wchar_t* name);

struct Shown {
    std::wstring text;
    // Icon handles are the showing process's own, so from outside only their presence is
    // seen; which icon it is, the in-process tests check.
    bool icon = false;
};

// Reads a message box and presses one of its buttons.
Shown Answer(HWND hBox, int button);

// Presses the viewer's Save button and waits for the Save-As dialog (null if none comes).
HWND OpenSaveAs(ViewerProcess& viewer, HWND hViewer, DWORD timeoutMs = 20000);

// Waits until the viewer takes input again with no dialog of its own left up.
bool BackToViewer(const ViewerProcess& viewer, HWND hViewer, DWORD timeoutMs = 20000);
