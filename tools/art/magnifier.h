#pragma once

#include "art/shapes.h"

namespace art {

enum class Zoom { In, Out };

// One magnifying glass, shared by the zoom buttons, the zoom cursors and the program icon; the
// handle always points down and to the right.
struct Magnifier {
    Point centre;
    double glassRadius;
    double rimWidth;
    double handleLength;
    double handleWidth;
};

Shape magnifierGlass(const Magnifier& magnifier);
// Glass and rim together.
Shape magnifierLens(const Magnifier& magnifier);
Shape magnifierRim(const Magnifier& magnifier);
Shape magnifierHandle(const Magnifier& magnifier);

// A plus or minus centred on the glass.
Shape zoomSign(const Magnifier& magnifier, Zoom zoom, double length, double thickness);

} // namespace art
