// The face of the library's owner-drawn push buttons: raised like an unchecked 3D check button,
// sunk like a checked one while the button is held down.
#pragma once

#include "afxwin.h"

// Makes the system button draw through its owner from now on; only the type changes.
void MakeButtonOwnerDrawn(CWnd* pButton);

// Draws the face of the item in the colour and returns the area inside its bevel.
CRect DrawPushFace(CDC* pDC, const DRAWITEMSTRUCT& item, COLORREF clrFace);
