// The optional command file "tgrn_cmd.txt": only its start is read, and its one option keeps
// drive A out of the Save-As dialog.
#pragma once

#include <cstddef>
#include <string>

extern const wchar_t kCommandFileName[];
constexpr std::size_t kCommandFileReadLimit = 100;

// Whether "/NDRA", in any case, stands anywhere within the first 100 bytes.
bool CommandForbidsDriveA(const std::string& bytes);
