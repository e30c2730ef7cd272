#include "export_message.h"

const wchar_t kRecorderCaption[] = L"Varnolt Digital Recorder KT-410";

namespace {

// The string-table ids and the message-box values, as the system defines them.
constexpr unsigned int kSaveDoneText = 112;
constexpr unsigned int kSaveFailedText = 114;
constexpr unsigned int kDiskFullText = 115;
constexpr unsigned int kSourceChangedText = 117;
constexpr unsigned long kErrorDiskFull = 112;
constexpr unsigned int kStyleOk = 0x0;
constexpr unsigned int kStyleStopIcon = 0x10;

} // namespace

int ExportFailureFor(unsigned long systemError) {
    return systemError == kErrorDiskFull ? kExportDiskFull : kExportFailed;
}

unsigned int ExportMessageStringId(int result) {
    switch (result) {
    case kExportDone:
        return kSaveDoneText;
    case kExportDiskFull:
        return kDiskFullText;
    case kExportSourceChanged:
        return kSourceChangedText;
    default:
        return kSaveFailedText;
    }
}

std::wstring ExportMessageText(int result, const std::wstring& path, const std::wstring& text) {
    switch (result) {
    case kExportDone:
        return L"\t" + path + L"\n\n\t" + text + L"\t\t";
    case kExportDiskFull:
    case kExportSourceChanged:
        return L"\t" + text;
    default:
        return path + L"\n" + text;
    }
}

unsigned int ExportMessageStyle(int result) {
    return result == kExportDone ? kStyleOk : kStyleOk | kStyleStopIcon;
}
