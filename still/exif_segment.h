// The record's copy in an EXIF segment, where Windows' file properties and photo programs look:
// a one-line summary as description, title and subject, the program, the export time, and the
// whole record as comment, in little-endian TIFF layout.
#pragma once

#include "provenance.h"

#include <string>

// What an EXIF segment's payload starts with, its terminating zero included: "Exif", two zeros.
inline const char kExifIdentifier[] = "Exif\0";

// The whole APP1 segment, marker included; empty when the record does not fit in one segment.
// Its resolution is the one the JFIF header of stills made by the rules states; earlier rules
// left the JFIF header to the encoder and stated 72 dpi here.
std::string ExifSegment(const ExportRecord& record, StillRules rules = StillRules::kWrittenTables);

// "2026:12:07 08:15:02" from "2026-12-07T08:15:02+01:00".
std::string ExifDateTime(const std::string& isoTimestamp);
