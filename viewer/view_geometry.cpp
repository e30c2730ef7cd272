#include "view_geometry.h"

float ZoomedIn(float zoom) {
    // The product is formed and compared in double precision, then stored in single.
    double product = static_cast<double>(zoom) * static_cast<double>(kZoomInFactor);
    return product < static_cast<double>(kMinZoom) ? kMinZoom : static_cast<float>(product);
}

float ZoomedOut(float zoom) {
    double product = static_cast<double>(zoom) * static_cast<double>(kZoomOutFactor);
    return product <= static_cast<double>(kMaxZoom) ? static_cast<float>(product) : kMaxZoom;
}

int ClampedOffset(int center, int sourceSize, int pictureSize) {
    int offset = center - sourceSize / 2;
    if (offset < 0) {
        offset = 0;
    }
    if (pictureSize - sourceSize < offset) {
        offset = pictureSize - sourceSize;
    }
    return offset;
}

void ApplyZoomStep(ViewGeometry& view, int mode, int pictureWidth, int pictureHeight) {
    switch (mode) {
    case kZoomIn:
        view.m_fZoom = ZoomedIn(view.m_fZoom);
        break;
    case kZoomOut:
        view.m_fZoom = ZoomedOut(view.m_fZoom);
        break;
    case kRecentre:
        break;
    default:
        return;
    }
    if (mode != kRecentre) {
        view.m_nSrcWidth = ZoomedSize(pictureWidth, view.m_fZoom);
        view.m_nSrcHeight = ZoomedSize(pictureHeight, view.m_fZoom);
    }
    view.m_nSrcX = ClampedOffset(view.m_nCenterX, view.m_nSrcWidth, pictureWidth);
    view.m_nSrcY = ClampedOffset(view.m_nCenterY, view.m_nSrcHeight, pictureHeight);
}

bool TrackerRectFromView(const IntRect& thumbnail, const ViewGeometry& view, int pictureWidth,
                         int pictureHeight, IntRect* tracker) {
    if (pictureWidth <= 0 || pictureHeight <= 0) {
        return false;
    }
    // Multiply first, then divide; 64 bits so a large thumbnail cannot overflow the product.
    auto scale = [](int length, int value, int whole) {
        return static_cast<int>(static_cast<long long>(length) * value / whole);
    };
    int tw = thumbnail.Width();
    int th = thumbnail.Height();
    tracker->left = thumbnail.left + scale(tw, view.m_nSrcX, pictureWidth);
    tracker->top = thumbnail.top + scale(th, view.m_nSrcY, pictureHeight);
    tracker->right = scale(tw, view.m_nSrcWidth, pictureWidth) + tracker->left;
    tracker->bottom = scale(th, view.m_nSrcHeight, pictureHeight) + tracker->top;
    return true;
}

int ZoomModeForWheel(short delta) {
    return delta > 0 ? kZoomOut : kZoomIn;
}

double ZoomCaptionValue(float zoom) {
    return 1.0 / static_cast<double>(zoom) / static_cast<double>(zoom);
}
