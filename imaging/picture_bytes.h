// The picture file read once, whole, into memory: what is decoded and what is hashed are then the
// same bytes, whatever happens to the file afterwards.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// Larger than any picture the header check lets through is worth (and than a 32-bit process can
// hold twice); a bigger file is not read.
constexpr std::uint64_t kMaxPictureFileBytes = 1ull << 30;

// Reads the whole file; false for a missing, unreadable or oversized file, and for anything that
// is not a file on a disk (a console, a pipe, a device), whose reads may never end.
bool ReadPictureBytes(const wchar_t* path, std::string* bytes);

// How much of a file ReadPictureInPieces holds at a time.
constexpr std::size_t kPieceBytes = 64 * 1024;

// Reads the same files as ReadPictureBytes, handing them to take a piece at a time, in order, so
// that no copy of the whole file is made; false as ReadPictureBytes, or as soon as take is.
bool ReadPictureInPieces(const wchar_t* path,
                         const std::function<bool(const char* piece, std::size_t size)>& take);
