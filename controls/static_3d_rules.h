// How the 3D statics lay out and answer: which static types they repaint and how, where the text
// of a label goes, and how much of its text fits a caller's buffer.
#pragma once

#include "int_rect.h"

#include <cstddef>

// The look of a static type (the low four bits of its style) as a bevelled panel.
struct StaticPanelLook {
    bool systemPaints; // text and icon types: the system paints them as it always does
    bool roundFrame;   // a black frame one pixel wide goes round the panel
    int outerBevel;    // bevel styles of the panel painters
    int innerBevel;
    int bevelWidth;
};

StaticPanelLook PanelLookOfStaticType(unsigned type);

// A label's text area: three pixels in from each side, unless the label is plain or the area is
// narrower or lower than six pixels.
IntRect InsetTextRect(const IntRect& client, bool plain);

// The number of characters of a text of the given length that go into a buffer of bufferSize
// characters, which always ends with a terminating zero; a buffer of no size takes nothing.
std::size_t TextCharsThatFit(std::size_t length, std::size_t bufferSize);
