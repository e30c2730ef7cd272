// What the viewer shows of its picture and how: the part of the picture, the place on the
// screen it is drawn to, and the settings it is drawn with.
#pragma once

#include "quality_levels.h"
#include "view_geometry.h"

// The picture area, in the dialog's client coordinates.
struct PictureArea {
    int m_nViewX = 0;
    int m_nViewY = 0;
    int m_nViewWidth = 0;
    int m_nViewHeight = 0;
};

struct ViewSettings {
    float m_fGamma = 1.0f;
    int m_nInterpolation = DefaultInterpolation();
    // What a click in the picture does (ZoomMode).
    int m_nZoomMode = kZoomIn;
    // Set while a print redraws the picture, which then goes without its zoom caption.
    int m_bPrinting = 0;
};

struct ViewState {
    ViewGeometry view;
    PictureArea area;
    ViewSettings settings;
};
