// How the outcome of a save is reported: which text, how it is laid out, which icon.
#pragma once

#include <string>

// Outcomes of an export.
constexpr int kExportFailed = 0;
constexpr int kExportDone = 1;
constexpr int kExportDiskFull = 112;
// The opened picture file is no longer what it was when it was opened.
constexpr int kExportSourceChanged = 117;

extern const wchar_t kRecorderCaption[];

// The outcome for a failure with this system error: disk full, or any other failure.
int ExportFailureFor(unsigned long systemError);

// The string-table id of the outcome's text.
unsigned int ExportMessageStringId(int result);

// The message as shown: the outcome's text laid out with the path where the outcome names it.
std::wstring ExportMessageText(int result, const std::wstring& path, const std::wstring& text);

// The message-box style: OK alone, with the stop icon for a failure.
unsigned int ExportMessageStyle(int result);
