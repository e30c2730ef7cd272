#pragma once

#include "art/shapes.h"

#include <string>

namespace art {

// A 7-row bitmap font covering digits, capitals, space and ":-./"; one font pixel is drawn as a
// square of side `pixel`.
constexpr int kFontRows = 7;

Shape textShape(const std::string& text, Point topLeft, double pixel);
double textWidth(const std::string& text, double pixel);

} // namespace art
