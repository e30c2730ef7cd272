#include "still_comparison.h"

#include "exif_fields.h"
#include "line_changes.h"
#include "xmp_segment.h"

#include <algorithm>
#include <cstdio>

namespace {

enum class Kind { kJfif, kExif, kXmp, kComment, kOtherApplication, kImageData };

// What an application segment's payload starts with, up to its terminating zero: how the
// segment names itself. At most 32 characters, printable ASCII only.
std::string IdentifierOf(const JpegPiece& piece) {
    std::string identifier;
    for (std::size_t i = 4; i < piece.bytes.size() && i < 36; ++i) {
        char c = piece.bytes[i];
        if (c == '\0' || c < 0x20 || c > 0x7E) {
            break;
        }
        identifier += c;
    }
    return identifier;
}

Kind KindOf(const JpegPiece& piece) {
    if (piece.marker == JpegMarker::kComment) {
        return Kind::kComment;
    }
    if (piece.marker < JpegMarker::kFirstApplication ||
        piece.marker > JpegMarker::kLastApplication) {
        return Kind::kImageData;
    }
    std::string identifier = IdentifierOf(piece);
    if (piece.marker == JpegMarker::kFirstApplication && identifier == "JFIF") {
        return Kind::kJfif;
    }
    if (piece.marker == JpegMarker::kApplication1 && identifier == "Exif") {
        return Kind::kExif;
    }
    if (piece.marker == JpegMarker::kApplication1 && identifier == kXmpIdentifier) {
        return Kind::kXmp;
    }
    return Kind::kOtherApplication;
}

std::vector<const JpegPiece*> PiecesOf(const JpegFile& file, Kind kind) {
    std::vector<const JpegPiece*> pieces;
    for (const JpegPiece& piece : file.pieces) {
        if (KindOf(piece) == kind) {
            pieces.push_back(&piece);
        }
    }
    return pieces;
}

std::string EncodedPart(const JpegFile& file) {
    std::string bytes;
    for (const JpegPiece* piece : PiecesOf(file, Kind::kImageData)) {
        bytes += piece->bytes;
    }
    return bytes;
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string Number(std::size_t value) {
    char text[32];
    std::snprintf(text, sizeof text, "%zu", value);
    return text;
}

// What differs between two lists of texts, each named as a `what` ("line", "value").
std::vector<std::string> TextFindings(const std::string& what,
                                      const std::vector<std::string>& found,
                                      const std::vector<std::string>& expected) {
    std::vector<std::string> findings;
    for (const LineChange& change : LineChanges(found, expected)) {
        switch (change.kind) {
        case LineChange::kChanged:
            findings.push_back("the " + what + " " + Quoted(change.found) +
                               " where StillView writes " + Quoted(change.expected));
            break;
        case LineChange::kAdded:
            findings.push_back("a " + what + " StillView never writes: " + Quoted(change.found));
            break;
        case LineChange::kMissing:
            findings.push_back("no " + what + " " + Quoted(change.expected));
            break;
        }
    }
    return findings;
}

// The character data of an XMP packet, in sorted order: what its readers show, wherever a
// rewriting program put it.
std::vector<std::string> XmpValues(const std::string& segment) {
    std::vector<std::string> values;
    std::size_t at = segment.find('>');
    while (at != std::string::npos) {
        std::size_t end = segment.find('<', at);
        std::string value = segment.substr(at + 1, end == std::string::npos ? end : end - at - 1);
        if (value.find_first_not_of(" \t\r\n") != std::string::npos) {
            values.push_back(value);
        }
        at = end == std::string::npos ? end : segment.find('>', end);
    }
    std::sort(values.begin(), values.end());
    return values;
}

class Comparison {
  public:
    Comparison(const JpegFile& found, const JpegFile& rebuilt)
        : m_found(found), m_rebuilt(rebuilt) {}

    StillComparison Run() {
        CompareRecord();
        CompareJfif();
        CompareCopy(Kind::kExif, "EXIF copy", [](const JpegPiece& found, const JpegPiece& wanted) {
            return ExifFieldChanges(found.bytes, wanted.bytes);
        });
        CompareCopy(Kind::kXmp, "XMP copy", [](const JpegPiece& found, const JpegPiece& wanted) {
            return TextFindings("value", XmpValues(found.bytes), XmpValues(wanted.bytes));
        });
        NameOtherApplicationSegments();
        m_result.imageDataDiffers = EncodedPart(m_found) != EncodedPart(m_rebuilt);
        if (!m_found.trailing.empty()) {
            Add(Number(m_found.trailing.size()) + " bytes of data after the end of the picture");
        }
        m_result.identical = SameBytes();
        if (!m_result.identical && m_result.differences.empty() && !m_result.imageDataDiffers) {
            Add("its segments are in another order than StillView writes them");
        }
        return m_result;
    }

  private:
    void Add(const std::string& difference) { m_result.differences.push_back(difference); }

    bool SameBytes() const {
        if (m_found.pieces.size() != m_rebuilt.pieces.size() ||
            m_found.trailing != m_rebuilt.trailing) {
            return false;
        }
        for (std::size_t i = 0; i < m_found.pieces.size(); ++i) {
            if (m_found.pieces[i].bytes != m_rebuilt.pieces[i].bytes) {
                return false;
            }
        }
        return true;
    }

    void CompareJfif() {
        CompareCopy(Kind::kJfif, "JFIF header", [](const JpegPiece&, const JpegPiece&) {
            return std::vector<std::string>{"differs from the one the encoder writes"};
        });
    }

    // The pieces of one kind: the first against the rebuilt one, the rest extra.
    template <typename Changes>
    void CompareCopy(Kind kind, const std::string& name, Changes changes) {
        std::vector<const JpegPiece*> found = PiecesOf(m_found, kind);
        std::vector<const JpegPiece*> wanted = PiecesOf(m_rebuilt, kind);
        if (wanted.empty()) {
            for (std::size_t i = 0; i < found.size(); ++i) {
                Add(name + ": a segment the record's version of StillView never wrote");
            }
            return;
        }
        if (found.empty()) {
            Add(name + ": missing");
            return;
        }
        if (found[0]->bytes != wanted[0]->bytes) {
            for (const std::string& change : changes(*found[0], *wanted[0])) {
                Add(name + ": " + change);
            }
        }
        for (std::size_t i = 1; i < found.size(); ++i) {
            Add(name + ": a second segment, which StillView never writes");
        }
    }

    void CompareRecord() {
        std::vector<const JpegPiece*> comments = PiecesOf(m_found, Kind::kComment);
        for (std::size_t i = 0; i + 1 < comments.size(); ++i) {
            Add("a second comment before the record, which StillView never writes");
        }
        std::string found = RecordComment(m_found);
        std::string wanted = RecordComment(m_rebuilt);
        if (found == wanted) {
            return;
        }
        std::vector<std::string> findings = TextFindings("line", LinesOf(found), LinesOf(wanted));
        if (findings.empty()) {
            findings.push_back("its line ends differ from those StillView writes");
        }
        for (const std::string& finding : findings) {
            Add("record: " + finding);
        }
    }

    void NameOtherApplicationSegments() {
        for (const JpegPiece* piece : PiecesOf(m_found, Kind::kOtherApplication)) {
            int number =
                static_cast<int>(piece->marker) - static_cast<int>(JpegMarker::kFirstApplication);
            std::string identifier = IdentifierOf(*piece);
            if (identifier == "ICC_PROFILE") {
                identifier = "ICC profile";
            }
            Add("an APP" + std::to_string(number) + " segment" +
                (identifier.empty() ? std::string() : " (" + identifier + ")") +
                " StillView never writes");
        }
    }

    const JpegFile& m_found;
    const JpegFile& m_rebuilt;
    StillComparison m_result;
};

} // namespace

StillComparison CompareStill(const JpegFile& found, const JpegFile& rebuilt) {
    return Comparison(found, rebuilt).Run();
}

std::string ImageDataFile(const JpegFile& file) {
    std::string bytes = {static_cast<char>(MarkerByte(JpegMarker::kPrefix)),
                         static_cast<char>(MarkerByte(JpegMarker::kStartOfImage))};
    for (const JpegPiece& piece : file.pieces) {
        Kind kind = KindOf(piece);
        if (kind == Kind::kJfif || kind == Kind::kImageData) {
            bytes += piece.bytes;
        }
    }
    return bytes;
}
