#pragma once

#include "art/raster.h"

#include <cstdint>
#include <vector>

namespace art {

std::vector<uint8_t> encodeBmp24(const Canvas& canvas);

// 256-entry palette made of the picture's own colours; fails if it has more than 256.
std::vector<uint8_t> encodeBmp8(const Canvas& canvas);

} // namespace art
