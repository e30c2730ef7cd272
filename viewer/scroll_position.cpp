#include "scroll_position.h"

namespace {

enum ScrollCode {
    kLineLeft = 0,
    kLineRight = 1,
    kPageLeft = 2,
    kPageRight = 3,
    kThumbPosition = 4,
    kThumbTrack = 5,
    kLeft = 6,
    kRight = 7,
};

} // namespace

int ScrolledPosition(int code, const ScrollBarState& bar, int thumbPos) {
    int pos = bar.nPos;
    switch (code) {
    case kLineLeft:
        return pos > bar.nMin ? pos - 1 : pos;
    case kLineRight:
        return pos < bar.nLimit ? pos + 1 : pos;
    case kPageLeft:
        return pos > bar.nMin ? (pos - bar.nPage < bar.nMin ? bar.nMin : pos - bar.nPage) : pos;
    case kPageRight:
        return pos < bar.nLimit ? (pos + bar.nPage > bar.nLimit ? bar.nLimit : pos + bar.nPage)
                                : pos;
    case kThumbPosition:
    case kThumbTrack:
        // The bar's own thumb never leaves its range; a message from elsewhere may.
        return thumbPos < bar.nMin ? bar.nMin : (thumbPos > bar.nLimit ? bar.nLimit : thumbPos);
    case kLeft:
        return bar.nMin;
    case kRight:
        return bar.nLimit;
    default:
        return pos;
    }
}
