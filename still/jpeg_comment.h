// Adding a comment segment to a JPEG file's bytes without touching anything else in them.
#pragma once

#include <string>

// The JPEG with the text in comment segments placed after the start marker and the application
// segments (so a JFIF or EXIF header stays first), before the tables and the image data. False
// when the bytes do not start like a JPEG.
bool InsertJpegComment(const std::string& jpeg, const std::string& text, std::string* result);
