#pragma once

#include <cstdint>
#include <vector>

namespace art {

// A 704 x 576 (PAL D1) 24-bit still in the style of the recorder's own pictures.
std::vector<uint8_t> samplePictureBmp();

} // namespace art
