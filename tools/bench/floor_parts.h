// What both floor programs do alike: read their arguments, make the 640 x 480 working picture
// and stretch it once over the picture area with gamma and identity-matrix attributes.
#pragma once

#include <windows.h>

#include <gdiplus.h>

#include <string>

// "PICTURE" X Y WIDTH HEIGHT after the program's name, read without the shell library, which the
// floors have no other use for. The rectangle is the picture area in screen pixels.
bool ParseFloorArguments(const wchar_t* commandLine, std::wstring* path, RECT* area);

// The file's working picture; null when it cannot be loaded.
Gdiplus::GpImage* LoadWorkingPicture(const wchar_t* path);

void DrawWorkingPicture(HDC hDC, Gdiplus::GpImage* picture, const RECT& area);
