#pragma once

#include <cstdint>
#include <vector>

namespace art {

// Faces come in pairs: the raised face, then the pressed one with the next number.
std::vector<int> buttonFaceIds();

// The sizes each face is drawn at, in percent of 50 x 50 pixels, for the common screen scales.
std::vector<int> buttonFaceScales();

// 8-bit BMP, 50 x 50 pixels at 100 percent.
std::vector<uint8_t> buttonFaceBmp(int id, int scalePercent);

} // namespace art
