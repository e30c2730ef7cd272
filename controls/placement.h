// Where an image of a given size goes inside an area, and which part of it fits.
#pragma once

#include "int_rect.h"

// Placement flags; without a horizontal flag the image sits at the left edge, without a vertical
// one at the top edge.
enum PlacementFlag : unsigned {
    kCentreHorizontally = 1,
    kAlignRight = 2, // only without kCentreHorizontally
    kCentreVertically = 4,
    kAlignBottom = 8, // only without kCentreVertically
};

// A rectangle of the given size placed in the area. An image larger than the area overhangs it,
// centred symmetrically when centring (the halving truncates toward zero).
IntRect PlaceRect(const IntRect& area, int width, int height, unsigned flags);

// The part of an image that is drawn into an area: the whole image, cut down on both sides by
// half the excess, rounded up, along each axis where the area is smaller. Never less than empty.
IntRect CropToArea(int imageWidth, int imageHeight, int areaWidth, int areaHeight);
