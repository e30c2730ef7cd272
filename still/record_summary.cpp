#include "record_summary.h"

#include "utf16_text.h"

#include <cstdio>

std::string FileNameOf(const std::string& path) {
    std::size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::string ViewSummaryLine(const ExportRecord& record) {
    char view[96];
    std::snprintf(view, sizeof view, "View %d,%d %dx%d of ", record.view.x, record.view.y,
                  record.view.width, record.view.height);
    return view + FileNameOf(record.sourcePath) + ", gamma " + RoundedGammaText(record.gamma);
}

std::string AsciiReplacing(const std::string& utf8) {
    std::string ascii;
    for (char16_t unit : Utf16FromUtf8(utf8)) {
        if (unit >= 0xDC00 && unit <= 0xDFFF) {
            continue; // the second half of a pair, already replaced with the first
        }
        ascii += unit < 0x80 ? static_cast<char>(unit) : '?';
    }
    return ascii;
}
