#include "scroll_bar_setup.h"

ScrollBarSetup ScrollBarFor(int pictureSize, int sourceSize, int sourceOffset) {
    int nMax = pictureSize > 0 ? pictureSize - 1 : 0;
    return {0, nMax, sourceSize, sourceOffset};
}
