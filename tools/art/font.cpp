#include "art/font.h"

#include <array>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <utility>
#include <vector>

namespace art {

namespace {

struct Glyph {
    char character;
    std::array<const char*, kFontRows> rows;
};

// clang-format off
const Glyph kGlyphs[] = {
    {' ', {"   ", "   ", "   ", "   ", "   ", "   ", "   "}},
    {':', {" ", "#", " ", " ", " ", "#", " "}},
    {'-', {"    ", "    ", "    ", "####", "    ", "    ", "    "}},
    {'.', {" ", " ", " ", " ", " ", " ", "#"}},
    {'/', {"    #", "    #", "   # ", "  #  ", " #   ", "#    ", "#    "}},
    {'0', {" ### ", "#   #", "#  ##", "# # #", "##  #", "#   #", " ### "}},
    {'1', {" # ", "## ", " # ", " # ", " # ", " # ", "###"}},
    {'2', {" ### ", "#   #", "    #", "   # ", "  #  ", " #   ", "#####"}},
    {'3', {"#####", "   # ", "  #  ", "   # ", "    #", "#   #", " ### "}},
    {'4', {"   # ", "  ## ", " # # ", "#  # ", "#####", "   # ", "   # "}},
    {'5', {"#####", "#    ", "#### ", "    #", "    #", "#   #", " ### "}},
    {'6', {"  ## ", " #   ", "#    ", "#### ", "#   #", "#   #", " ### "}},
    {'7', {"#####", "    #", "   # ", "  #  ", " #   ", " #   ", " #   "}},
    {'8', {" ### ", "#   #", "#   #", " ### ", "#   #", "#   #", " ### "}},
    {'9', {" ### ", "#   #", "#   #", " ####", "    #", "   # ", " ##  "}},
    {'A', {" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"}},
    {'B', {"#### ", "#   #", "#   #", "#### ", "#   #", "#   #", "#### "}},
    {'C', {" ### ", "#   #", "#    ", "#    ", "#    ", "#   #", " ### "}},
    {'D', {"#### ", "#   #", "#   #", "#   #", "#   #", "#   #", "#### "}},
    {'E', {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#####"}},
    {'F', {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#    "}},
    {'G', {" ### ", "#   #", "#    ", "# ###", "#   #", "#   #", " ####"}},
    {'H', {"#   #", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"}},
    {'I', {"###", " # ", " # ", " # ", " # ", " # ", "###"}},
    {'J', {"  ###", "   # ", "   # ", "   # ", "   # ", "#  # ", " ##  "}},
    {'K', {"#   #", "#  # ", "# #  ", "##   ", "# #  ", "#  # ", "#   #"}},
    {'L', {"#    ", "#    ", "#    ", "#    ", "#    ", "#    ", "#####"}},
    {'M', {"#   #", "## ##", "# # #", "# # #", "#   #", "#   #", "#   #"}},
    {'N', {"#   #", "#   #", "##  #", "# # #", "#  ##", "#   #", "#   #"}},
    {'O', {" ### ", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "}},
    {'P', {"#### ", "#   #", "#   #", "#### ", "#    ", "#    ", "#    "}},
    {'Q', {" ### ", "#   #", "#   #", "#   #", "# # #", "#  # ", " ## #"}},
    {'R', {"#### ", "#   #", "#   #", "#### ", "# #  ", "#  # ", "#   #"}},
    {'S', {" ####", "#    ", "#    ", " ### ", "    #", "    #", "#### "}},
    {'T', {"#####", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  "}},
    {'U', {"#   #", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "}},
    {'V', {"#   #", "#   #", "#   #", "#   #", "#   #", " # # ", "  #  "}},
    {'W', {"#   #", "#   #", "#   #", "# # #", "# # #", "# # #", " # # "}},
    {'X', {"#   #", "#   #", " # # ", "  #  ", " # # ", "#   #", "#   #"}},
    {'Y', {"#   #", "#   #", " # # ", "  #  ", "  #  ", "  #  ", "  #  "}},
    {'Z', {"#####", "    #", "   # ", "  #  ", " #   ", "#    ", "#####"}},
};
// clang-format on

using Column = std::array<bool, kFontRows>;

const Glyph& glyphFor(char character) {
    for (const Glyph& glyph : kGlyphs) {
        if (glyph.character == character) {
            return glyph;
        }
    }
    throw std::invalid_argument(std::string("no glyph for character '") + character + "'");
}

// Lays the text out as font-pixel columns, with one blank column between glyphs.
std::vector<Column> columnsOf(const std::string& text) {
    std::vector<Column> columns;
    for (size_t i = 0; i < text.size(); ++i) {
        if (i > 0) {
            columns.push_back({});
        }
        const Glyph& glyph = glyphFor(text[i]);
        for (size_t x = 0; x < std::strlen(glyph.rows[0]); ++x) {
            Column column{};
            for (int y = 0; y < kFontRows; ++y) {
                column[y] = glyph.rows[y][x] == '#';
            }
            columns.push_back(column);
        }
    }
    return columns;
}

} // namespace

Shape textShape(const std::string& text, Point topLeft, double pixel) {
    std::vector<Column> columns = columnsOf(text);
    const double count = static_cast<double>(columns.size());
    const Box bounds{topLeft.x, topLeft.y, topLeft.x + count * pixel,
                     topLeft.y + kFontRows * pixel};
    return {bounds, [columns = std::move(columns), count, topLeft, pixel](Point p) {
                const double column = std::floor((p.x - topLeft.x) / pixel);
                const double row = std::floor((p.y - topLeft.y) / pixel);
                if (column < 0 || row < 0 || column >= count || row >= kFontRows) {
                    return false;
                }
                return columns[static_cast<size_t>(column)][static_cast<size_t>(row)];
            }};
}

double textWidth(const std::string& text, double pixel) {
    return static_cast<double>(columnsOf(text).size()) * pixel;
}

} // namespace art
