// The record's text on a printer page: a small font that has every character it needs, the
// lines wrapped to the page's width, and drawn under the picture.
#pragma once

#include "afxwin.h"

#include <string>
#include <vector>

// Selects into the printer a font of about 8 points at its resolution that has every character
// of the lines; false when no font on the system has them all.
bool SelectRecordFont(CDC& printer, const std::vector<std::string>& lines, CFont* pFont);

// The height of one line in the selected font, in printer pixels.
int RecordLineHeight(CDC& printer);

// The lines in the selected font, each broken where it would pass the width.
std::vector<std::wstring> WrapRecordLines(CDC& printer, const std::vector<std::string>& lines,
                                          int width);

// Draws the lines one under the other from top; false when any of them could not be drawn.
bool DrawRecordLines(CDC& printer, const std::vector<std::wstring>& lines, int top);
