// What the Save-As dialog accepts as a file name, how it normalises it, and what it says.
#pragma once

#include <string>

extern const wchar_t kSaveAsCaption[];
extern const wchar_t kDefaultFileName[];
extern const wchar_t kInsertFileNameMessage[];

// The first of the characters a file name must not hold, in the order they are looked for;
// 0 when there is none.
wchar_t FirstForbiddenCharacter(const std::wstring& name);

// The refusal that lists the forbidden characters.
std::wstring ForbiddenCharacterMessage();

// Letters a to z made upper case; every other character stays.
std::wstring UpperAscii(std::wstring text);

// The name as it is saved: upper case, and ".JPG" appended unless that is its extension
// already (the extension is what follows the last dot).
std::wstring NormalisedJpegName(const std::wstring& name);

// Whether a listed entry names the file: the same text once both are upper case.
bool IsSameListedName(const std::wstring& entry, const std::wstring& name);

// The question asked before an existing file is replaced.
std::wstring ReplaceQuestion(const std::wstring& folder, const std::wstring& name);
