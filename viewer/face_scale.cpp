#include "face_scale.h"

#include "resource.h"

#include <cstdlib>

namespace {

struct FaceSize {
    int percent;
    unsigned idOffset;
};

const FaceSize kFaceSizes[] = {
    {100, 0},
    {150, IDB_FACE_OFFSET_150},
    {200, IDB_FACE_OFFSET_200},
};

const FaceSize& NearestFaceSize(int dpi) {
    const FaceSize* nearest = &kFaceSizes[0];
    // Compared in hundredths of a 96-dpi pixel, so that no rounding decides a tie.
    for (const FaceSize& size : kFaceSizes) {
        if (std::abs(dpi * 100 - 96 * size.percent) < std::abs(dpi * 100 - 96 * nearest->percent)) {
            nearest = &size;
        }
    }
    return *nearest;
}

} // namespace

int NearestFacePercent(int dpi) {
    return NearestFaceSize(dpi).percent;
}

unsigned ScaledFaceId(unsigned faceId, int dpi) {
    return faceId + NearestFaceSize(dpi).idOffset;
}
