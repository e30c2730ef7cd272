#include "record_reading.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace {

using Lines = std::map<std::string, std::string>;

Lines SplitLines(const std::string& text) {
    Lines lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        std::size_t colon = line.find(": ");
        if (colon != std::string::npos && lines.count(line.substr(0, colon)) == 0) {
            lines[line.substr(0, colon)] = line.substr(colon + 2);
        }
        start = end + 1;
    }
    return lines;
}

bool ReadUnsigned(const std::string& text, std::uint64_t* value) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    errno = 0;
    *value = std::strtoull(text.c_str(), nullptr, 10);
    return errno == 0;
}

bool ReadFloat(const std::string& text, float* value) {
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    errno = 0;
    *value = std::strtof(text.c_str(), &end);
    return errno == 0 && *end == '\0' && std::isfinite(*value);
}

bool ReadSha256(const std::string& text, std::string* value) {
    if (text == "unavailable") {
        value->clear();
        return true;
    }
    if (text.size() != 64 || text.find_first_not_of("0123456789abcdef") != std::string::npos) {
        return false;
    }
    *value = text;
    return true;
}

// "x 1 y 2 width 3 height 4 of 5 x 6"
bool ReadRect(const std::string& text, PixelRect* rect, int* width, int* height) {
    int used = -1;
    return std::sscanf(text.c_str(), "x %d y %d width %d height %d of %d x %d%n", &rect->x,
                       &rect->y, &rect->width, &rect->height, width, height, &used) == 6 &&
           used == static_cast<int>(text.size());
}

bool ReadSize(const std::string& text, int* width, int* height) {
    int used = -1;
    return std::sscanf(text.c_str(), "%d x %d%n", width, height, &used) == 2 &&
           used == static_cast<int>(text.size());
}

// "7 (high-quality bicubic)"
bool ReadInterpolation(const std::string& text, int* mode) {
    int used = -1;
    return std::sscanf(text.c_str(), "%d (%*[^)])%n", mode, &used) == 1 &&
           used == static_cast<int>(text.size());
}

bool ReadQuality(const std::string& text, int* quality) {
    std::uint64_t value = 0;
    if (!ReadUnsigned(text, &value) || value > 100) {
        return false;
    }
    *quality = static_cast<int>(value);
    return true;
}

// "75 (100 requested), chroma subsampling 4:2:0", "100, chroma subsampling 4:4:4", or from
// before the written quality, "100".
bool ReadQualityLine(const std::string& text, ExportRecord* r) {
    const std::string kChroma = ", chroma subsampling ";
    std::size_t chroma = text.find(kChroma);
    if (chroma == std::string::npos) {
        return ReadQuality(text, &r->jpegQuality);
    }
    r->chromaSubsampling = text.substr(chroma + kChroma.size());
    std::string qualities = text.substr(0, chroma);
    std::size_t requested = qualities.find(" (");
    const std::string kRequested = " requested)";
    if (requested == std::string::npos) {
        return !r->chromaSubsampling.empty() && ReadQuality(qualities, &r->writtenQuality) &&
               ReadQuality(qualities, &r->jpegQuality);
    }
    std::string asked = qualities.substr(requested + 2);
    return !r->chromaSubsampling.empty() && asked.size() > kRequested.size() &&
           asked.compare(asked.size() - kRequested.size(), kRequested.size(), kRequested) == 0 &&
           ReadQuality(qualities.substr(0, requested), &r->writtenQuality) &&
           ReadQuality(asked.substr(0, asked.size() - kRequested.size()), &r->jpegQuality);
}

class Reader {
  public:
    explicit Reader(const std::string& text) : m_lines(SplitLines(text)) {}

    // Reads a line every record has; a missing or malformed one is the problem.
    template <typename Parse> void Required(const char* key, Parse parse) {
        if (!m_reading.problem.empty()) {
            return;
        }
        auto line = m_lines.find(key);
        if (line == m_lines.end()) {
            m_reading.problem = std::string("the record has no \"") + key + "\" line";
        } else if (!parse(line->second)) {
            m_reading.problem = std::string("the record's \"") + key + "\" line is malformed";
        }
    }

    // Reads a line that the first records lack; the value in the record stays when it is
    // missing.
    template <typename Parse> void Optional(const char* key, Parse parse) {
        if (!m_reading.problem.empty()) {
            return;
        }
        auto line = m_lines.find(key);
        if (line == m_lines.end()) {
            ++m_missingOptional;
        } else if (!parse(line->second)) {
            m_reading.problem = std::string("the record's \"") + key + "\" line is malformed";
        }
    }

    // Reads a line that only some records have, which says nothing of the record's version.
    template <typename Parse> void Occasional(const char* key, Parse parse) {
        auto line = m_lines.find(key);
        if (m_reading.problem.empty() && line != m_lines.end() && !parse(line->second)) {
            m_reading.problem = std::string("the record's \"") + key + "\" line is malformed";
        }
    }

    int MissingOptional() const { return m_missingOptional; }

    RecordReading& Reading() { return m_reading; }

  private:
    Lines m_lines;
    RecordReading m_reading;
    int m_missingOptional = 0;
};

} // namespace

RecordReading ReadRecord(const std::string& text) {
    Reader reader(text);
    ExportRecord& r = reader.Reading().record;
    auto copy = [](std::string* to) {
        return [to](const std::string& value) {
            *to = value;
            return !value.empty();
        };
    };
    reader.Required("program", copy(&r.program));
    reader.Required("source", copy(&r.sourcePath));
    reader.Required("source bytes",
                    [&](const std::string& v) { return ReadUnsigned(v, &r.sourceBytes); });
    reader.Required("source sha256",
                    [&](const std::string& v) { return ReadSha256(v, &r.sourceSha256); });
    reader.Required("source pixels", [&](const std::string& v) {
        return ReadSize(v, &r.sourceWidth, &r.sourceHeight);
    });
    reader.Required("view in working picture", [&](const std::string& v) {
        return ReadRect(v, &r.view, &r.workingWidth, &r.workingHeight);
    });
    PixelRect inSource;
    int sourceWidth = 0;
    int sourceHeight = 0;
    reader.Required("view in source", [&](const std::string& v) {
        return ReadRect(v, &inSource, &sourceWidth, &sourceHeight);
    });
    reader.Required("gamma", [&](const std::string& v) { return ReadFloat(v, &r.gamma); });
    reader.Required("interpolation",
                    [&](const std::string& v) { return ReadInterpolation(v, &r.interpolation); });
    reader.Required("exported", copy(&r.exportedAt));
    reader.Optional("gamma exact", [&](const std::string& v) { return ReadFloat(v, &r.gamma); });
    reader.Optional("jpeg quality", [&](const std::string& v) { return ReadQualityLine(v, &r); });
    reader.Optional("imaging library", copy(&r.imagingLibrary));
    reader.Occasional(kWorkingPictureKey, [&](const std::string& v) {
        r.workingDrawn = true;
        return v == kWorkingDrawnValue;
    });
    constexpr int kLinesAddedSinceTheFirst = 3;
    if (reader.MissingOptional() == kLinesAddedSinceTheFirst) {
        reader.Reading().rules = StillRules::kFirstRecord;
    } else if (r.writtenQuality == 0) {
        reader.Reading().rules = StillRules::kRecordWithCopies;
    }
    return reader.Reading();
}
