#pragma once

#include "art/raster.h"

namespace art {

// A car park in front of a building, as a security camera would see it, drawn with hard edges
// and fine repeating detail so that scaling faults show.
void paintScene(Canvas& canvas, double bottom);

} // namespace art
