// Which file the viewer opens, from the command-line text after the program name.
#pragma once

#include <cstddef>
#include <string>

// The name opened when the command line is empty, relative to the current folder.
extern const wchar_t kDefaultPictureName[];

// Room for a path, terminator included; a longer command line names no usable file.
constexpr std::size_t kPicturePathCapacity = 1024;

// The command line is the path itself: no options, inner and trailing blanks kept. One pair of
// double quotes around the whole text is removed, as the shell adds them to a path with blanks.
// Returns an empty string when the text cannot be a path.
std::wstring PicturePathFromCommandLine(const std::wstring& commandTail);
