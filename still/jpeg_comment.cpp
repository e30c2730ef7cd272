#include "jpeg_comment.h"

#include "jpeg_markers.h"

namespace {

using namespace jpeg;

// A segment's length field counts itself.
constexpr std::size_t kMaxPayload = 0xFFFF - 2;

// Where the first segment that is not an application segment starts; npos if the segments
// run past the end.
std::size_t AfterApplicationSegments(const std::string& jpeg) {
    std::size_t at = 2;
    while (at + 4 <= jpeg.size() && ByteAt(jpeg, at) == kMarker &&
           ByteAt(jpeg, at + 1) >= kFirstApplication && ByteAt(jpeg, at + 1) <= kLastApplication) {
        std::size_t length = SegmentLength(jpeg, at);
        if (length < 2 || at + 2 + length > jpeg.size()) {
            return std::string::npos;
        }
        at += 2 + length;
    }
    return at;
}

std::string CommentSegments(const std::string& text) {
    std::string segments;
    for (std::size_t start = 0; start < text.size(); start += kMaxPayload) {
        std::string part = text.substr(start, kMaxPayload);
        std::size_t length = part.size() + 2;
        segments += static_cast<char>(kMarker);
        segments += static_cast<char>(kComment);
        segments += static_cast<char>(length >> 8);
        segments += static_cast<char>(length & 0xFF);
        segments += part;
    }
    return segments;
}

} // namespace

bool InsertJpegComment(const std::string& jpeg, const std::string& text, std::string* result) {
    if (jpeg.size() < 4 || ByteAt(jpeg, 0) != kMarker || ByteAt(jpeg, 1) != kStartOfImage) {
        return false;
    }
    std::size_t at = AfterApplicationSegments(jpeg);
    if (at == std::string::npos) {
        return false;
    }
    *result = jpeg.substr(0, at) + CommentSegments(text) + jpeg.substr(at);
    return true;
}
