// How a save ends, and how the operator is told: which text, laid out how, with which icon.
#pragma once

#include <string>

enum class SaveOutcome {
    kDone,
    kFailed,
    kDiskFull,
    // The opened picture file is no longer what it was when it was opened.
    kSourceChanged,
    // The picture file's bytes were not all in when the command could wait no longer.
    kSourceStillReading,
};

// The caption of the messages that report the end of a save or a print.
extern const wchar_t kRecorderCaption[];

// The outcome of a write that failed with this system error: disk full, or any other failure.
SaveOutcome SaveFailureFor(unsigned long systemError);

// The string-table id of the outcome's text.
unsigned int SaveMessageStringId(SaveOutcome outcome);

// The message as shown: the outcome's text laid out with the path where the outcome names it.
std::wstring SaveMessageText(SaveOutcome outcome, const std::wstring& path,
                             const std::wstring& text);

// The message-box style: OK alone, with the stop icon for a failure.
unsigned int SaveMessageStyle(SaveOutcome outcome);
