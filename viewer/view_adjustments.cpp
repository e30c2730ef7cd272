#include "view_adjustments.h"

#include "quality_levels.h"

int InterpolationForQuality(int index, int currentMode) {
    if (index < 0 || index >= kQualityLevelCount || kQualityLevels[index].name == nullptr) {
        return currentMode;
    }
    return kQualityLevels[index].interpolation;
}
