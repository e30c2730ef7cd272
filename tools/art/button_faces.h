#pragma once

#include <cstdint>
#include <vector>

namespace art {

// Faces come in pairs: the raised face, then the pressed one with the next number.
std::vector<int> buttonFaceIds();

// 50 x 50, 8-bit BMP.
std::vector<uint8_t> buttonFaceBmp(int id);

} // namespace art
