// SHA-256 through the platform's hashing service.
#pragma once

#include <cstdint>
#include <string>

// The SHA-256 of bytes already in memory, lower-case hex; empty when the hashing service fails.
std::string Sha256Of(const std::string& bytes);

// The SHA-256 and size of a picture file as it is now (the files ReadPictureBytes reads), hashed
// piece by piece; false, with both cleared, when it cannot be read or hashed.
bool Sha256OfPictureFile(const wchar_t* path, std::uint64_t* size, std::string* sha256);
