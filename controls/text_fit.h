// Makes every label and push button of a dialog wide enough for its text in the font the user
// gets, which the template's rectangles were not measured with: other languages, other fonts and
// other screen scales give other widths.
#pragma once

#include "afxwin.h"

// Labels grow rightward, buttons both ways, and the dialog as much as its controls reach further
// right. Controls whose texts fit, and the rest of the dialog, stay where they are.
void FitTextsToControls(HWND hDialog);
