// The values a record can hold only if StillView made the still: quality 100, a gamma the
// Brighter and Darker steps reach, an interpolation the quality list offers, and a view the
// viewer's zoom and scroll bars allow in its working picture.
#pragma once

#include "provenance.h"

#include <string>

struct PictureSizes {
    int workingWidth = 0;
    int workingHeight = 0;
    // The source as it decodes.
    int sourceWidth = 0;
    int sourceHeight = 0;
};

// The first value of the record StillView cannot produce for this source, with why; empty when
// it could have produced every one. Records by the first rules hold the gamma rounded.
std::string UnproducibleValue(const ExportRecord& record, StillRules rules,
                              const PictureSizes& sizes);
