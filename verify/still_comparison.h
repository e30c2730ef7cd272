// A still compared, piece by piece, with the file StillView would have written for its record:
// what differs, named as a reader of the file would name it.
#pragma once

#include "jpeg_segments.h"

#include <string>
#include <vector>

struct StillComparison {
    bool identical = false;
    // Part by part, the record first: "record: the line ...", "JFIF header: ...",
    // "EXIF copy: Orientation added", "XMP copy: ...", "an APP2 segment (ICC profile) StillView
    // never writes", "12 bytes of data after the end of the picture". The image data is not
    // among them.
    std::vector<std::string> differences;
    // The encoder's part (tables, frame and scan) differs; its pixels are for the caller to
    // compare.
    bool imageDataDiffers = false;
};

StillComparison CompareStill(const JpegFile& found, const JpegFile& rebuilt);

// The encoder's part of a still, as a JPEG file of its own: start marker, JFIF header, tables,
// frame and scan, without the record or anything else added.
std::string ImageDataFile(const JpegFile& file);
