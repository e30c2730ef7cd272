#include "printed_record.h"

#include <algorithm>
#include <cstdio>

namespace {

// The saved record's lines that the page repeats, in their order there.
const char* const kPrintedKeys[] = {"program",        "source", "source sha256", "source pixels",
                                    "view in source", "gamma",  "interpolation"};

bool IsPrintedKey(const std::string& key) {
    for (const char* printed : kPrintedKeys) {
        if (key == printed) {
            return true;
        }
    }
    return false;
}

std::string ScaleLine(const ExportRecord& record, int pictureWidth, int printerDpi) {
    PixelRect inSource = ViewInSource(record.view, record.workingWidth, record.workingHeight,
                                      record.sourceWidth, record.sourceHeight);
    double millimetres = printerDpi > 0 ? pictureWidth * 25.4 / printerDpi : 0.0;
    char line[128];
    std::snprintf(line, sizeof line, "scale: picture width %.1f mm = %d source pixels", millimetres,
                  inSource.width);
    return line;
}

bool IsBreakAfter(char16_t c) {
    return c == u'\\' || c == u'/' || c == u' ';
}

bool IsSecondHalf(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// How many code units of the line, from `start`, fit in maxWidth: at least one character.
std::size_t FittingLength(const std::u16string& line, std::size_t start, int maxWidth,
                          const std::function<int(const std::u16string&)>& measure) {
    std::size_t length = 1;
    while (start + length < line.size() && IsSecondHalf(line[start + length])) {
        ++length;
    }
    for (std::size_t next = length + 1; start + next <= line.size(); ++next) {
        if (start + next < line.size() && IsSecondHalf(line[start + next])) {
            continue;
        }
        if (measure(line.substr(start, next)) > maxWidth) {
            break;
        }
        length = next;
    }
    return length;
}

} // namespace

std::vector<std::string> PrintedRecordLines(const ExportRecord& record, int pictureWidth,
                                            int printerDpi) {
    std::vector<std::string> lines;
    // Split by hand: a string stream would bring the C++ library's locales into the program,
    // more than half of its size.
    const std::string saved = ProvenanceText(record);
    for (std::size_t start = 0; start < saved.size();) {
        std::size_t end = std::min(saved.find('\n', start), saved.size());
        std::string line = saved.substr(start, end - start);
        if (IsPrintedKey(line.substr(0, line.find(':')))) {
            lines.push_back(line);
        }
        start = end + 1;
    }
    lines.push_back("printed: " + record.exportedAt);
    lines.push_back(ScaleLine(record, pictureWidth, printerDpi));
    return lines;
}

std::vector<std::u16string> WrapToWidth(const std::u16string& line, int maxWidth,
                                        const std::function<int(const std::u16string&)>& measure) {
    std::vector<std::u16string> pieces;
    std::size_t start = 0;
    while (start < line.size()) {
        std::size_t length = FittingLength(line, start, maxWidth, measure);
        if (start + length < line.size()) {
            for (std::size_t cut = length; cut > 1; --cut) {
                if (IsBreakAfter(line[start + cut - 1])) {
                    length = cut;
                    break;
                }
            }
        }
        pieces.push_back(line.substr(start, length));
        start += length;
    }
    if (pieces.empty()) {
        pieces.push_back(std::u16string());
    }
    return pieces;
}
