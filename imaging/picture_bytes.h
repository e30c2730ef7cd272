// The picture file read once, whole, into memory: what is decoded and what is hashed are then the
// same bytes, whatever happens to the file afterwards.
#pragma once

#include <cstdint>
#include <string>

// Larger than any picture the header check lets through is worth (and than a 32-bit process can
// hold twice); a bigger file is not read.
constexpr std::uint64_t kMaxPictureFileBytes = 1ull << 30;

// Reads the whole file; false for a missing, unreadable or oversized file, and for anything that
// is not a file on a disk (a console, a pipe, a device), whose reads may never end.
bool ReadPictureBytes(const wchar_t* path, std::string* bytes);
