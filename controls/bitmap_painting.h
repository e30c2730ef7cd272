// Bitmaps and icons placed in an area, with one colour of a bitmap made transparent. Nothing is
// kept between calls: contexts, masks and loaded images are made and released by each call.
#pragma once

#include "afxwin.h"

// The colour that every image of the library leaves transparent.
constexpr COLORREF kTransparentKey = RGB(255, 0, 255);

enum BitmapDrawMode : int {
    kOpaqueCopy = 0,
    kXorTransparent = 1,  // three passes; the target shows intermediate states between them
    kMaskTransparent = 2, // the caller's bitmap is changed during the call and then restored
};

// Draws the bitmap placed in the area by the placement flags, centrally cropped to the area where
// it is larger. Returns the rectangle it was drawn in, or the area when the bitmap cannot be read.
// Throws the resource exception when a memory context cannot be made.
CRect DrawBitmap(CDC* pDC, const RECT& area, CBitmap* pBitmap, UINT nFlags, int nMode,
                 COLORREF clrKey);

// DrawBitmap of a bitmap resource; the area when it cannot be loaded.
CRect DrawResourceBitmap(CDC* pDC, const RECT& area, UINT nID, UINT nFlags, int nMode,
                         COLORREF clrKey);

// A bitmap resource drawn with the library's transparent key, or an icon resource at the system
// icon size; the area when the resource cannot be loaded.
CRect DrawImage(CDC* pDC, const RECT& area, UINT nID, BOOL bIcon, UINT nFlags);
