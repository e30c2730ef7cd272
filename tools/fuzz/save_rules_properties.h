// What must hold for any input to the Save-As rules: the command-file reader, the file-name
// checks and the JPEG comment insertion. Shared by the libFuzzer target and the seeded unit test.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Empty when every rule holds for these bytes, else what broke.
std::string BrokenSaveRule(const std::uint8_t* data, std::size_t size);
