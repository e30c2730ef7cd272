// Makes every label and push button of a dialog wide enough for its text in the font the user
// gets, which the template's rectangles were not measured with: other languages, other fonts and
// other screen scales give other widths.
#pragma once

#include "afxwin.h"

// Labels grow rightward, buttons both ways; a control a grown one would come nearer than the
// template had them moves rightward to keep the template's gap, and the dialog grows as much as
// its controls reach further right. Everything else stays where it is.
void FitTextsToControls(HWND hDialog);
