// Taking a JPEG file apart into its segments, the scan, and whatever follows the end marker.
#pragma once

#include "jpeg_markers.h"

#include <string>
#include <vector>

struct JpegPiece {
    JpegMarker marker;
    // The whole piece, marker included. The scan's piece runs from its marker through the end
    // marker, restart markers and any segments between scans included.
    std::string bytes;
};

struct JpegFile {
    // Every segment after the start marker, in file order; the last is the scan.
    std::vector<JpegPiece> pieces;
    // The bytes after the end marker.
    std::string trailing;
};

// False when the bytes are not a complete JPEG file: no start marker, a segment running past
// the end, or no end marker.
bool ReadJpegFile(const std::string& jpeg, JpegFile* file);

// The text of the last comment segment, where the program puts its record (one segment holds
// it, or its EXIF copy would not fit either); empty when there is none.
std::string RecordComment(const JpegFile& file);
