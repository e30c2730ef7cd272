// Brightness and quality as the viewer's commands change them.
#pragma once

// Brightness is a gamma: below 1 lightens, above 1 darkens. Steps of 0.1 in single precision;
// brighter stops at 0.1, darker has no limit.
float BrighterGamma(float gamma);
float DarkerGamma(float gamma);

// The imaging library's interpolation mode for an entry of the quality list ("Fair", "Good",
// "Better"); any other index keeps the current mode.
int InterpolationForQuality(int index, int currentMode);
