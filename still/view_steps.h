// The steps by which the viewer's commands change a view: the brightness gamma and the zoom. A
// still's record can only hold values that these steps reach, so the viewer and the verifier
// share them.
#pragma once

// Brightness is a gamma: below 1 lightens, above 1 darkens. Steps of 0.1 in single precision;
// brighter stops at 0.1, darker has no limit.
float BrighterGamma(float gamma);
float DarkerGamma(float gamma);

// The single-precision factors and bounds of the zoom.
constexpr float kZoomInFactor = 0.9f;
constexpr float kZoomOutFactor = 1.2f;
constexpr float kMinZoom = 0.1f;
constexpr float kMaxZoom = 1.0f;

// The side of the part of the picture a zoom shows, from the picture's side.
int ZoomedSize(int pictureSize, float zoom);
