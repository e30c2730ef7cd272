#include "scroll_position.h"

int ScrolledPosition(int code, const ScrollBarState& bar, int thumbPos) {
    int pos = bar.nPos;
    switch (code) {
    case kScrollLineBack:
        return pos > bar.nMin ? pos - 1 : pos;
    case kScrollLineForward:
        return pos < bar.nLimit ? pos + 1 : pos;
    case kScrollPageBack:
        return pos > bar.nMin ? (pos - bar.nPage < bar.nMin ? bar.nMin : pos - bar.nPage) : pos;
    case kScrollPageForward:
        return pos < bar.nLimit ? (pos + bar.nPage > bar.nLimit ? bar.nLimit : pos + bar.nPage)
                                : pos;
    case kScrollThumbPosition:
    case kScrollThumbTrack:
        // The bar's own thumb never leaves its range; a message from elsewhere may.
        return thumbPos < bar.nMin ? bar.nMin : (thumbPos > bar.nLimit ? bar.nLimit : thumbPos);
    case kScrollToStart:
        return bar.nMin;
    case kScrollToEnd:
        return bar.nLimit;
    default:
        return pos;
    }
}
