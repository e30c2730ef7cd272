#include "save_outcome.h"

#include "resource.h"

const wchar_t kRecorderCaption[] = L"Varnolt Digital Recorder KT-410";

namespace {

// The system's ERROR_DISK_FULL, and its MB_OK and MB_ICONHAND message-box styles; this file
// includes no Windows header, so that it is tested natively.
constexpr unsigned long kErrorDiskFull = 112;
constexpr unsigned int kStyleOk = 0x0;
constexpr unsigned int kStyleStopIcon = 0x10;

enum class Layout {
    // The path, then the text under it, both indented.
    kPathThenText,
    // The text alone, indented: the outcome is not about the path.
    kTextAlone,
    // The path, and the text on the next line.
    kPathAboveText,
};

struct SaveMessage {
    SaveOutcome outcome;
    unsigned int stringId;
    Layout layout;
    bool stopIcon;
};

// In the order of SaveOutcome's values.
constexpr SaveMessage kSaveMessages[] = {
    {SaveOutcome::kDone, IDS_SAVE_DONE, Layout::kPathThenText, false},
    {SaveOutcome::kFailed, IDS_SAVE_FAILED, Layout::kPathAboveText, true},
    {SaveOutcome::kDiskFull, IDS_DISK_FULL, Layout::kTextAlone, true},
    {SaveOutcome::kSourceChanged, IDS_SOURCE_CHANGED, Layout::kTextAlone, true},
    {SaveOutcome::kSourceStillReading, IDS_SOURCE_STILL_READING, Layout::kTextAlone, true},
};

constexpr bool InOutcomeOrder() {
    for (int i = 0; i < static_cast<int>(sizeof kSaveMessages / sizeof kSaveMessages[0]); ++i) {
        if (static_cast<int>(kSaveMessages[i].outcome) != i) {
            return false;
        }
    }
    return true;
}
static_assert(InOutcomeOrder(), "a save's messages are looked up by the outcome's value");

const SaveMessage& MessageOf(SaveOutcome outcome) {
    return kSaveMessages[static_cast<int>(outcome)];
}

} // namespace

SaveOutcome SaveFailureFor(unsigned long systemError) {
    return systemError == kErrorDiskFull ? SaveOutcome::kDiskFull : SaveOutcome::kFailed;
}

unsigned int SaveMessageStringId(SaveOutcome outcome) {
    return MessageOf(outcome).stringId;
}

std::wstring SaveMessageText(SaveOutcome outcome, const std::wstring& path,
                             const std::wstring& text) {
    switch (MessageOf(outcome).layout) {
    case Layout::kPathThenText:
        return L"\t" + path + L"\n\n\t" + text + L"\t\t";
    case Layout::kTextAlone:
        return L"\t" + text;
    case Layout::kPathAboveText:
        break;
    }
    return path + L"\n" + text;
}

unsigned int SaveMessageStyle(SaveOutcome outcome) {
    return MessageOf(outcome).stopIcon ? kStyleOk | kStyleStopIcon : kStyleOk;
}
