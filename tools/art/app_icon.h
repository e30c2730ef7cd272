#pragma once

#include <cstdint>
#include <vector>

namespace art {

// 32 x 32 16 colours, 16 x 16 16 colours, then 32 x 32 256 colours.
std::vector<uint8_t> appIconFile();

} // namespace art
