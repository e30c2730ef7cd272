// Range, page and position of a scroll bar that pans over one axis of the picture.
#pragma once

struct ScrollBarSetup {
    int nMin;
    int nMax;
    int nPage;
    int nPos;
};

// The system lets the thumb reach nMax - (nPage - 1); the range ends one short of the picture's
// size so that the last reachable position shows the picture's last column or row, not one past.
ScrollBarSetup ScrollBarFor(int pictureSize, int sourceSize, int sourceOffset);
