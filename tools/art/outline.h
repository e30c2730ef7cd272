#pragma once

#include "art/raster.h"

#include <vector>

namespace art {

// Paints the union of `parts` in `fill` with a border of `outline` around the whole silhouette,
// so that touching parts share one outline and a one-pixel gap between parts becomes a line.
void paintOutlined(Canvas& canvas, const std::vector<Shape>& parts, Rgb outline, Rgb fill,
                   double width);

} // namespace art
