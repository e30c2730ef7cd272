// Brightness and quality as the viewer's commands change them.
#pragma once

// The brightness steps themselves are the still's: a record can only hold what they reach.
#include "view_steps.h"

// The imaging library's interpolation mode for an entry of the quality list ("Fair", "Good",
// "Better"); any other index keeps the current mode.
int InterpolationForQuality(int index, int currentMode);
