// How far a control and its dialog grow so that a text the control cannot hold fits it.
#pragma once

#include "int_rect.h"

#include <vector>

// A label keeps its left edge, so it lines up with the rest of its column; a button keeps its
// centre.
enum class TextGrowth { Rightward, BothWays };

// The rectangle grown just enough for a width it must give; a wide enough one stays as it is.
IntRect GrownToWidth(const IntRect& rect, int neededWidth, TextGrowth growth);

// The controls after fitting (`fitted`), moved rightward where a grown one came nearer a
// neighbour on its row than the template (`before`) had them: each keeps the template's gap to
// the controls left of it, and so a row's later controls make way in turn. Both lists are in the
// same order; a control's width and height stay as fitted.
std::vector<IntRect> KeptApart(const std::vector<IntRect>& before, std::vector<IntRect> fitted);

// How much wider the dialog's client area must get: as much as the rightmost control edge moved
// out, so the margin right of the controls stays what the template gives.
int DialogGrowth(int rightmostBefore, int rightmostAfter);
