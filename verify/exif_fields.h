// The fields of an EXIF segment, read back by name, so that an EXIF copy rewritten by another
// program can be told apart field by field from the one StillView writes.
#pragma once

#include <map>
#include <string>
#include <vector>

// Each field by its directory and name ("Orientation", "thumbnail JPEGInterchangeFormatLength"),
// as its type, count and value bytes in the segment's byte order. Pointers to other directories
// and to the thumbnail are kept as present, not by their offsets, which move with any rewrite.
// False when the segment is not a readable EXIF segment.
bool ReadExifFields(const std::string& segment, std::map<std::string, std::string>* fields);

// "Orientation added", "ImageDescription changed", "XPComment removed", one a field; a thumbnail
// directory as a whole.
std::vector<std::string> ExifFieldChanges(const std::string& found, const std::string& expected);
