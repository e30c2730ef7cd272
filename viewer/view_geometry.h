// Zoom and pan: the part of the picture the view shows, from the zoom factor and the centre,
// and its mirror on the navigator thumbnail. All sizes are picture pixels unless said.
#pragma once

#include "int_rect.h"
#include "view_steps.h"

// What a zoom step does.
enum ZoomMode { kZoomIn = 0, kZoomOut = 1, kRecentre = 4, kNoZoom = 5 };

struct ViewGeometry {
    float m_fZoom = 1.0f;
    // The part of the picture the view shows.
    int m_nSrcX = 0;
    int m_nSrcY = 0;
    int m_nSrcWidth = 0;
    int m_nSrcHeight = 0;
    // The point a zoom step keeps in the middle.
    int m_nCenterX = 0;
    int m_nCenterY = 0;
};

// One zoom step about the stored centre: the factor changes (in and out only), then the source
// size and the offsets follow, clamped to the picture. Mode 5 changes nothing at all.
void ApplyZoomStep(ViewGeometry& view, int mode, int pictureWidth, int pictureHeight);

float ZoomedIn(float zoom);
float ZoomedOut(float zoom);

// The source rectangle's offset on one axis: centred on the centre, inside the picture.
int ClampedOffset(int center, int sourceSize, int pictureSize);

// The navigator rectangle that marks the source rectangle on a thumbnail. False (and nothing
// written) when the picture has no size, since there is nothing to mark.
bool TrackerRectFromView(const IntRect& thumbnail, const ViewGeometry& view, int pictureWidth,
                         int pictureHeight, IntRect* tracker);

// The zoom of a wheel step: away from the user zooms out; towards, and a zero delta, zoom in.
int ZoomModeForWheel(short delta);

// The number the zoom caption shows.
double ZoomCaptionValue(float zoom);
