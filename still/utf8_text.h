// UTF-8, the encoding of the record and of the verifier's output, to and from UTF-16.
#pragma once

#include <string>

std::string Utf8(const std::wstring& text);
std::wstring FromUtf8(const std::string& text);
