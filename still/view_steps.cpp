#include "view_steps.h"

namespace {

constexpr double kGammaStep = 0.1;
constexpr float kMinGamma = 0.1f;

} // namespace

float BrighterGamma(float gamma) {
    // The floor is checked on the double difference, before it is rounded to single.
    double lowered = static_cast<double>(gamma) - kGammaStep;
    return lowered < kGammaStep ? kMinGamma : static_cast<float>(lowered);
}

float DarkerGamma(float gamma) {
    return static_cast<float>(gamma + kGammaStep);
}

int ZoomedSize(int pictureSize, float zoom) {
    return static_cast<int>(static_cast<double>(pictureSize) * static_cast<double>(zoom));
}
