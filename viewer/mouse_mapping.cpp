#include "mouse_mapping.h"

#include "view_geometry.h"

namespace {

constexpr unsigned kLeftButton = 0x0001;
constexpr unsigned kShift = 0x0004;

} // namespace

bool IsStrictlyInside(const IntRect& area, int x, int y) {
    return area.left < x && x < area.right && area.top < y && y < area.bottom;
}

int PictureCoordinate(int sourceSize, int areaPosition, int areaSize, int sourceOffset) {
    if (areaSize == 0) {
        return sourceOffset;
    }
    return static_cast<int>(static_cast<double>(sourceSize) * areaPosition / areaSize) +
           sourceOffset;
}

int ThumbnailToPicture(int pictureSize, int thumbPosition, int thumbSize) {
    if (thumbSize == 0) {
        return 0;
    }
    return static_cast<int>(static_cast<double>(pictureSize) * thumbPosition / thumbSize);
}

int OffsetFromNavigator(int distance, int pictureSize, int thumbSize, int sourceSize) {
    if (thumbSize == 0) {
        return 0;
    }
    int offset = static_cast<int>(static_cast<long long>(distance) * pictureSize / thumbSize);
    if (offset > pictureSize - sourceSize) {
        offset = pictureSize - sourceSize;
    }
    return offset < 0 ? 0 : offset;
}

ViewerCursor CursorAt(const IntRect& pictureArea, const IntRect& thumbnail, int x, int y,
                      int zoomMode, bool zoomedIn) {
    if (IsStrictlyInside(pictureArea, x, y)) {
        switch (zoomMode) {
        case kZoomIn:
            return ViewerCursor::ZoomIn;
        case kZoomOut:
            return ViewerCursor::ZoomOut;
        default:
            return ViewerCursor::Arrow;
        }
    }
    if (zoomedIn && IsStrictlyInside(thumbnail, x, y)) {
        return ViewerCursor::OpenHand;
    }
    return ViewerCursor::Default;
}

bool IsShiftDoubleClick(unsigned keyFlags) {
    return keyFlags == (kLeftButton | kShift);
}
