// The caption of an owner-drawn button, drawn over its face.
#pragma once

#include "afxwin.h"

// One line, centred both ways.
constexpr UINT kCentredCaption = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

// Draws the text in the system font, letting the face show between the letters, in the text
// colour the context holds. Nothing is drawn for an empty text. The background mode is left
// transparent.
void DrawButtonText(CDC* pDC, const RECT& rect, const CString& text, UINT nFormat);
