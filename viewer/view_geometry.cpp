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

namespace {

int SourceSize(int pictureSize, float zoom) {
    return static_cast<int>(static_cast<double>(pictureSize) * static_cast<double>(zoom));
}

} // namespace

void ApplyZoomStep(ViewGeometry& view, int mode, int pictureWidth, int pictureHeight) {
    switch (mode) {
    case kZoomIn:
        view.zoom = ZoomedIn(view.zoom);
        break;
    case kZoomOut:
        view.zoom = ZoomedOut(view.zoom);
        break;
    case kRecentre:
        break;
    default:
        return;
    }
    if (mode != kRecentre) {
        view.srcWidth = SourceSize(pictureWidth, view.zoom);
        view.srcHeight = SourceSize(pictureHeight, view.zoom);
    }
    view.srcX = ClampedOffset(view.centerX, view.srcWidth, pictureWidth);
    view.srcY = ClampedOffset(view.centerY, view.srcHeight, pictureHeight);
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
    tracker->left = thumbnail.left + scale(tw, view.srcX, pictureWidth);
    tracker->top = thumbnail.top + scale(th, view.srcY, pictureHeight);
    tracker->right = scale(tw, view.srcWidth, pictureWidth) + tracker->left;
    tracker->bottom = scale(th, view.srcHeight, pictureHeight) + tracker->top;
    return true;
}

int ZoomModeForWheel(short delta) {
    return delta > 0 ? kZoomOut : kZoomIn;
}

double ZoomCaptionValue(float zoom) {
    return 1.0 / static_cast<double>(zoom) / static_cast<double>(zoom);
}
