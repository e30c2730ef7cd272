// Frames, bevels and panels. Each painter returns the rectangle left inside what it drew, so
// calls chain from the outside in, and leaves the context's objects and colours as it found them.
#pragma once

#include "frame_styles.h"

#include "afxwin.h"

// A frame of the pen width drawn inside the rectangle, with slightly rounded corners.
CRect DrawRoundFrame(CDC* pDC, const RECT& rect, int nWidth, COLORREF clr);

// Rings one pixel wide, lit at the top and left and shaded at the bottom and right when raised,
// the other way round when sunken. An empty rectangle or a width of 0 or less draws nothing.
CRect DrawBevel(CDC* pDC, const RECT& rect, BOOL bSunken, int nWidth, COLORREF clrFace);

// Fills the ring between an outer and an inner rectangle.
void FillBetweenRects(CDC* pDC, const RECT& outer, const RECT& inner, COLORREF clr);

// Fills a margin inside the rectangle, widened on each side by the insets when given.
CRect FillMargin(CDC* pDC, const RECT& rect, int nMargin, COLORREF clr, const RECT* pInsets);

// Outer bevel, margin, inner bevel, from the outside in.
CRect DrawPanelFrame(CDC* pDC, const RECT& rect, COLORREF clrFace, int nOuterBevel, int nInnerBevel,
                     int nBevelWidth, int nMargin, const RECT* pInsets);

// The panel frame with its inside filled with the face colour.
CRect DrawPanel(CDC* pDC, const RECT& rect, COLORREF clrFace, int nOuterBevel, int nInnerBevel,
                int nBevelWidth, int nMargin, const RECT* pInsets);
