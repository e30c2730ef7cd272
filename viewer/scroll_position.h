// Where a scroll-bar message moves the thumb.
#pragma once

struct ScrollBarState {
    int nMin;
    int nLimit; // the largest reachable position: maximum - (page - 1)
    int nPage;
    int nPos;
};

// The new position for a scroll code (SB_LINELEFT 0 … SB_ENDSCROLL 8); thumbPos is the
// position a thumb message carries, kept within the bar's range. Unknown codes keep the
// position.
int ScrolledPosition(int code, const ScrollBarState& bar, int thumbPos);
