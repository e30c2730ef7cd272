// Large test pictures, written when the benchmark runs (they are too big to keep in the tree).
#pragma once

#include <windows.h>

#include <string>

// The colour of the block in the middle fifth of every generated picture.
constexpr COLORREF kBenchMarkColour = RGB(220, 30, 30);

// Writes a JPEG of the given size unless the file is already there: a noisy colour gradient,
// as a camera still has, around a plain block of kBenchMarkColour in the middle fifth.
bool EnsureBenchJpeg(const std::wstring& path, UINT width, UINT height);
