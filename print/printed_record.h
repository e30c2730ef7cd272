// The record as it is printed under the picture: the lines of the saved record that tie the page
// to its source, with the record's own keys in every language, the print time and the page's
// scale.
#pragma once

#include "provenance.h"

#include <functional>
#include <string>
#include <vector>

// The picture is pictureWidth printer pixels wide at printerDpi pixels per inch.
std::vector<std::string> PrintedRecordLines(const ExportRecord& record, int pictureWidth,
                                            int printerDpi);

// The line broken into pieces that each measure at most maxWidth, preferring to break after a
// path separator or a space; every piece holds at least one character. measure gives a piece's
// width in the same unit as maxWidth.
std::vector<std::u16string> WrapToWidth(const std::u16string& line, int maxWidth,
                                        const std::function<int(const std::u16string&)>& measure);
