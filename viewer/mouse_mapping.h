// What a mouse position means to the viewer: which area it is in, the picture point it names,
// and the cursor it shows.
#pragma once

#include "int_rect.h"

// Inside an area, its border pixels excluded: left < x < right and top < y < bottom.
bool IsStrictlyInside(const IntRect& area, int x, int y);

// The picture point under a click at (x, y) of the picture area, which shows the source
// rectangle stretched: the product and quotient in floating point, truncated before the offset.
int PictureCoordinate(int sourceSize, int areaPosition, int areaSize, int sourceOffset);

// The picture point under a click at (x, y) of the thumbnail, which shows the whole picture.
int ThumbnailToPicture(int pictureSize, int thumbPosition, int thumbSize);

// The source offset for a navigator rectangle at the given distance from the thumbnail's edge
// (multiply first, truncate), kept inside the picture: a rectangle left flush with the far
// edge would otherwise ask for columns or rows past the picture's end.
int OffsetFromNavigator(int distance, int pictureSize, int thumbSize, int sourceSize);

enum class ViewerCursor { Default, ZoomIn, ZoomOut, Arrow, OpenHand };

// The cursor over the dialog at a point: the picture area shows the zoom mode, the thumbnail
// the open hand while zoomed in; Default leaves the window's own cursor.
ViewerCursor CursorAt(const IntRect& pictureArea, const IntRect& thumbnail, int x, int y,
                      int zoomMode, bool zoomedIn);

// The hidden mark: a double click with Shift and no other key or button.
bool IsShiftDoubleClick(unsigned keyFlags);
