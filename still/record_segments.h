// Every copy of the record in a JPEG: EXIF and XMP right after the JFIF header, the comment
// before the image data, which stays byte for byte as the encoder made it.
#pragma once

#include "provenance.h"

#include <string>
#include <vector>

// The JPEG with the record's segments in the order JFIF, EXIF, XMP, comment, image data. False
// when the bytes do not start like a JPEG or a copy of the record does not fit in a segment.
bool InsertRecordSegments(const std::string& jpeg, const ExportRecord& record, std::string* result);

// The names of the record's copies among the APP1 segments ("EXIF", "XMP") that say other than
// the record does; a still without copies, saved before they were made, has none.
std::vector<std::string> DisagreeingCopies(const std::vector<std::string>& application1,
                                           const ExportRecord& record);
