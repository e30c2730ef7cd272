// What `StillVerify --platform` found of the imaging library on this machine, held against what
// the program assumes of it, and how that is told.
#pragma once

#include <string>

struct PlatformFindings {
    std::string imagingLibrary;
    // The quality the tables show of a picture encoded at quality 100; 0 when none was encoded.
    int qualityAt100 = 0;
    // Whether the list's three qualities draw an enlargement in three different ways.
    bool interpolationsDiffer = false;
    // Whether the thumbnail call gave a picture's embedded EXIF thumbnail instead of reducing it.
    bool embeddedThumbnailReturned = false;
    // The JFIF density the encoder writes of a new bitmap, in dots per inch; 0 when unknown.
    int densityX = 0;
    int densityY = 0;
    // The verdict on a still made by this program here and checked here.
    bool stillVerifies = false;
    std::string stillVerdict;
};

// One line a finding, then which assumptions do not hold.
std::string PlatformReportText(const PlatformFindings& findings);

// 0 when every assumption holds, 1 when one does not.
int PlatformExitStatus(const PlatformFindings& findings);

// The density of a JFIF header in dots per inch; false when there is none or it is no density.
bool ReadJfifDensity(const std::string& jpeg, int* x, int* y);

// An EXIF APP1 segment whose second directory holds this JPEG as the embedded thumbnail.
std::string ExifWithThumbnail(const std::string& thumbnailJpeg);
