// Drives the real viewer's Save-As dialog and reads its message boxes from another process, as
// a user's clicks and eyes would.
#pragma once

#include "viewer_process.h"

#include <windows.h>

#include <string>
#include <vector>

extern const wchar_t kSaveAsCaption[];
// The caption of the Save-As dialog's own questions and refusals.
extern const wchar_t kCheckCaption[];
// The caption of the save's and the print's result messages.
extern const wchar_t kResultCaption[];

std::wstring WindowText(HWND hWnd);
// Presses a button of a dialog of the viewer without waiting for what follows.
void Click(HWND hDialog, int nID);

// Presses the viewer's Save button and waits for the Save-As dialog (null if none comes).
HWND OpenSaveAs(ViewerProcess& viewer, HWND hViewer);
// The drive list's entries, and the selected one.
std::vector<std::wstring> DriveEntries(HWND hSaveAs);
int SelectedDrive(HWND hSaveAs);
void ChooseDrive(HWND hSaveAs, int index);
// Chooses the drive, types the name and presses Save.
void SaveOn(HWND hSaveAs, int drive, const wchar_t* name);

struct Shown {
    std::wstring text;
    // Icon handles are the showing process's own, so from outside only their presence is
    // seen; which icon it is, the in-process tests check.
    bool icon = false;
};
// Reads a message box and presses one of its buttons.
Shown Answer(HWND hBox, int button);

// Waits until the viewer takes input again with no other dialog of it open.
bool BackToViewer(const ViewerProcess& viewer, HWND hViewer);
