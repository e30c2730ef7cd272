// Stretching the viewer's template layout to the whole screen.
#pragma once

#include "int_rect.h"

struct LayoutPlacement {
    int x;
    int y;
    int width;
    int height;
};

struct ScaleFactors {
    float x;
    float y;
};

// Screen size over the dialog's client size, per axis; 1 for an axis of no size.
ScaleFactors ScreenScaleFactors(int screenWidth, int screenHeight, int clientWidth,
                                int clientHeight);

// A child's new place from its rectangle in dialog coordinates: each edge scaled and truncated
// toward zero. A combo box's height sets its drop-down list, so it gets five times its old height
// instead of a scaled one.
LayoutPlacement ScaleChildRect(const IntRect& rect, ScaleFactors factors, bool isComboBox);

// Whether a window class name is the combo box's, in any letter case.
bool IsComboBoxClassName(const wchar_t* className);
