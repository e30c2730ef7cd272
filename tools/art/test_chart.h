#pragma once

#include "art/raster.h"

namespace art {

// Patterns for judging a viewer by eye: a radial star and line gratings show interpolation,
// text shows legibility at each zoom, and colour patches, grey steps and a full black-to-white
// ramp show brightness changes. Fills the canvas width from `top` down.
void paintTestChart(Canvas& canvas, double top);

} // namespace art
