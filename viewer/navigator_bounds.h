// Keeping the navigator rectangle inside the thumbnail while it is dragged.
#pragma once

#include "int_rect.h"

// The tracker's code for a press inside the rectangle but on no handle: a move.
constexpr int kHitMiddle = 8;

// The rectangle, normalised, as it may stand: unchanged if it lies inside the bounds; for a move
// shifted back inside (left, top, right, bottom in that order, so a rectangle larger than the
// bounds ends flush right and bottom), its size kept; for any other handle only normalised.
IntRect KeptInsideBounds(const IntRect& rect, const IntRect& bounds, int handle);
