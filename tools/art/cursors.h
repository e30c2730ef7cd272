#pragma once

#include <cstdint>
#include <vector>

namespace art {

std::vector<int> cursorIds();

// A 16-colour .cur file with the cursor drawn at 32, 48 and 64 pixels, in that order.
std::vector<uint8_t> cursorFile(int id);

} // namespace art
