// Every copy of the record in a JPEG: EXIF and XMP right after the JFIF header, the comment
// before the image data, which stays byte for byte as the encoder made it.
#pragma once

#include "provenance.h"

#include <string>

// The JPEG with the record's segments in the order JFIF, EXIF, XMP, comment, image data, or by
// the first rules JFIF, comment, image data. False when the bytes do not start like a JPEG or a
// copy of the record does not fit in a segment.
bool InsertRecordSegments(const std::string& jpeg, const ExportRecord& record, std::string* result,
                          StillRules rules = StillRules::kWrittenTables);
