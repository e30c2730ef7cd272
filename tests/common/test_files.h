// Files and folders as the Windows tests look at them, in-process and end to end alike.
#pragma once

#include <set>
#include <string>

// The names of the files (not folders, not dot files) in a folder that match a pattern.
std::set<std::wstring> FileNames(const std::wstring& folder, const std::wstring& pattern);

// The temporary folder, without its final backslash.
std::wstring TempFolder();

// The text in UTF-8, as the host's tools write it.
std::string Utf8(const std::wstring& text);
