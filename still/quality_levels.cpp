#include "quality_levels.h"

const QualityLevel kQualityLevels[kQualityLevelCount] = {
    {L"Fair Quality", 3, "bilinear", false},
    {L"Good Quality", 7, "high-quality bicubic", true},
    {L"Better Quality", 6, "high-quality bilinear", false},
    {nullptr, 5, "nearest neighbour", false},
};

int DefaultQualityIndex() {
    int index = 0;
    while (!kQualityLevels[index].isDefault) {
        ++index;
    }
    return index;
}

int DefaultInterpolation() {
    return kQualityLevels[DefaultQualityIndex()].interpolation;
}

const char* InterpolationWording(int mode) {
    for (const QualityLevel& level : kQualityLevels) {
        if (level.interpolation == mode) {
            return level.wording;
        }
    }
    return "other";
}
