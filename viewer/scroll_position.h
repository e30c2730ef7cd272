// Where a scroll-bar message moves the thumb.
#pragma once

struct ScrollBarState {
    int nMin;
    int nLimit; // the largest reachable position: maximum - (page - 1)
    int nPage;
    int nPos;
};

// The platform's scroll codes (SB_LINELEFT … SB_RIGHT), the same for both bars.
enum ScrollCode {
    kScrollLineBack = 0,
    kScrollLineForward = 1,
    kScrollPageBack = 2,
    kScrollPageForward = 3,
    kScrollThumbPosition = 4,
    kScrollThumbTrack = 5,
    kScrollToStart = 6,
    kScrollToEnd = 7,
};

// The new position for a scroll code (SB_LINELEFT 0 … SB_ENDSCROLL 8); thumbPos is the
// position a thumb message carries, kept within the bar's range. Unknown codes keep the
// position.
int ScrolledPosition(int code, const ScrollBarState& bar, int thumbPos);
