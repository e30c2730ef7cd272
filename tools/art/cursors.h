#pragma once

#include <cstdint>
#include <vector>

namespace art {

std::vector<int> cursorIds();

// 32 x 32, 16-colour .cur file.
std::vector<uint8_t> cursorFile(int id);

} // namespace art
