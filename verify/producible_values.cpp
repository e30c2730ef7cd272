#include "producible_values.h"

#include "quality_levels.h"
#include "view_steps.h"

#include <cstdio>
#include <set>
#include <vector>

namespace {

// Beyond this, ten thousand steps darker, every picture is black; the steps are followed no
// further.
constexpr float kLargestGamma = 1000.0f;
// How far above a gamma the steps are followed for a way back down to it: a thousand steps.
constexpr float kDetour = 100.0f;

// Every gamma the Brighter and Darker steps reach from 1 without passing the ceiling. Going up
// and back down lands on neighbouring floats, so the set holds a few values near each step.
std::set<float> GammaSteps(float ceiling) {
    std::set<float> reached = {1.0f};
    std::vector<float> open = {1.0f};
    while (!open.empty()) {
        float gamma = open.back();
        open.pop_back();
        for (float next : {BrighterGamma(gamma), DarkerGamma(gamma)}) {
            if (next <= ceiling && reached.insert(next).second) {
                open.push_back(next);
            }
        }
    }
    return reached;
}

bool OnTheSteps(float gamma, StillRules rules) {
    if (!(gamma > 0.0f && gamma <= kLargestGamma)) {
        return false;
    }
    std::set<float> steps = GammaSteps((gamma > 1.0f ? gamma : 1.0f) + kDetour);
    if (rules != StillRules::kFirstRecord) {
        return steps.count(gamma) != 0;
    }
    for (float step : steps) {
        if (RoundedGammaText(step) == RoundedGammaText(gamma)) {
            return true;
        }
    }
    return false;
}

bool OfferedInterpolation(int mode) {
    for (const QualityLevel& level : kQualityLevels) {
        if (level.name != nullptr && level.interpolation == mode) {
            return true;
        }
    }
    return false;
}

std::string OfferedInterpolations() {
    std::string list;
    for (const QualityLevel& level : kQualityLevels) {
        if (level.name != nullptr) {
            list += (list.empty() ? "" : ", ") + std::to_string(level.interpolation);
        }
    }
    return list;
}

// Whether one zoom between the smallest and 1 shows this much of the picture on both axes. The
// product is exact in double precision, so the sizes are the floors of picture side x zoom, and
// a zoom exists when the two intervals of zooms meet, counted in units of 1 / (width x height).
bool ZoomShows(int width, int height, int pictureWidth, int pictureHeight) {
    long long unit = static_cast<long long>(pictureWidth) * pictureHeight;
    long long fromW = static_cast<long long>(width) * pictureHeight;
    long long fromH = static_cast<long long>(height) * pictureWidth;
    long long low = fromW > fromH ? fromW : fromH;
    long long high =
        fromW + pictureHeight < fromH + pictureWidth ? fromW + pictureHeight : fromH + pictureWidth;
    double smallest = static_cast<double>(unit) * static_cast<double>(kMinZoom);
    return width > 0 && height > 0 && low<high&& static_cast<double>(high)> smallest &&
           low <= unit * static_cast<long long>(kMaxZoom);
}

std::string Size(int width, int height) {
    return std::to_string(width) + " x " + std::to_string(height);
}

std::string UnproducibleView(const ExportRecord& r, const PictureSizes& sizes) {
    if (r.workingWidth != sizes.workingWidth || r.workingHeight != sizes.workingHeight) {
        return "a working picture of " + Size(r.workingWidth, r.workingHeight) +
               " (StillView's is " + Size(sizes.workingWidth, sizes.workingHeight) + ")";
    }
    if (!ZoomShows(r.view.width, r.view.height, r.workingWidth, r.workingHeight)) {
        return "a view of " + Size(r.view.width, r.view.height) + " (no zoom of the " +
               Size(r.workingWidth, r.workingHeight) + " working picture shows that)";
    }
    if (r.view.x < 0 || r.view.y < 0 || r.view.x > r.workingWidth - r.view.width ||
        r.view.y > r.workingHeight - r.view.height) {
        return "a view at x " + std::to_string(r.view.x) + " y " + std::to_string(r.view.y) +
               " (it does not lie inside the working picture)";
    }
    return std::string();
}

} // namespace

std::string UnproducibleValue(const ExportRecord& r, StillRules rules, const PictureSizes& sizes) {
    if (r.jpegQuality != 100) {
        return "JPEG quality " + std::to_string(r.jpegQuality) + " (StillView saves at 100)";
    }
    if (!OfferedInterpolation(r.interpolation)) {
        return "interpolation " + std::to_string(r.interpolation) + " (StillView draws with " +
               OfferedInterpolations() + ")";
    }
    if (!OnTheSteps(r.gamma, rules)) {
        char gamma[32];
        std::snprintf(gamma, sizeof gamma, "%.9g", static_cast<double>(r.gamma));
        return std::string("gamma ") + gamma + " (not a value the Brighter and Darker steps reach)";
    }
    if (r.sourceWidth != sizes.sourceWidth || r.sourceHeight != sizes.sourceHeight) {
        return "source pixels " + Size(r.sourceWidth, r.sourceHeight) + " (the source decodes to " +
               Size(sizes.sourceWidth, sizes.sourceHeight) + ")";
    }
    return UnproducibleView(r, sizes);
}
