// The lit and shaded edge colours of a 3D frame, derived from its face colour.
#pragma once

#include "color_ref.h"

// Each channel is darkened by its own factor; the standard grey face gets the system's grey.
ColorRef ShadowColor(ColorRef face);

// Each channel is lightened by its own factor, saturating; the standard grey face gets white.
ColorRef HighlightColor(ColorRef face);
