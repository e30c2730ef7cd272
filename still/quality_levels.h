// The picture qualities: the name the viewer's list shows, the imaging library's interpolation
// mode each draws with, and how a still's record words that mode.
#pragma once

struct QualityLevel {
    // Null for a mode the list does not offer, which only a record can name.
    const wchar_t* name;
    int interpolation;
    const char* wording;
    // The one the viewer starts with.
    bool isDefault;
};

// The list's entries in its order, then the modes it does not offer.
constexpr int kQualityLevelCount = 4;
extern const QualityLevel kQualityLevels[kQualityLevelCount];

// The list entry the viewer starts with, and its mode.
int DefaultQualityIndex();
int DefaultInterpolation();

// "high-quality bicubic" for 7; "other" for a mode of no level.
const char* InterpolationWording(int mode);
