#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace art {

struct ResourceFile {
    std::string path;
    std::function<std::vector<uint8_t>()> make;
};

// Every generated picture, with its path relative to the repository root.
std::vector<ResourceFile> resourceFiles();

} // namespace art
