// The one line that names an exported still's source file and view, for the fields that
// readers show as a title.
#pragma once

#include "provenance.h"

#include <string>

// The file name of a Windows or Unix path: what follows its last separator.
std::string FileNameOf(const std::string& path);

// e.g. "View 120,40 466x350 of cam03-0812.bmp, gamma 0.8", the view in working-picture pixels.
std::string ViewSummaryLine(const ExportRecord& record);

// The UTF-8 text with each character outside ASCII replaced by '?'.
std::string AsciiReplacing(const std::string& utf8);
