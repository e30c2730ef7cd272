// UTF-8 text as UTF-16, for the metadata fields that readers take as UTF-16 only.
#pragma once

#include <string>

// Malformed or truncated sequences and encoded surrogates each become U+FFFD.
std::u16string Utf16FromUtf8(const std::string& utf8);

// The code units as little-endian bytes, without a terminator.
std::string Utf16LittleEndianBytes(const std::u16string& text);
