// Taking a JPEG file apart into the record it carries and the image data it shows.
#pragma once

#include <string>
#include <vector>

struct JpegParts {
    // The text of the comment segments, in file order.
    std::string comment;
    // Every byte of the file except the record's segments (comments, and the Exif and XMP
    // application segments): what two exports of the same view share.
    std::string imageData;
    // The APP1 segments, marker included, in file order: where the record's copies are.
    std::vector<std::string> application1;
};

// False when the bytes are not a complete JPEG file: no start marker, a segment running past
// the end, or no end marker.
bool SplitJpeg(const std::string& jpeg, JpegParts* parts);
