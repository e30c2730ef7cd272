#include "shown_text.h"

#include <cstdint>
#include <cstdio>

namespace {

constexpr std::uint32_t kNotUtf8 = 0xFFFFFFFF;

// The code point starting at `at`, moving `at` past it; kNotUtf8 (and one byte on) for a byte
// that starts no well-formed sequence.
std::uint32_t NextCodePoint(const std::string& text, std::size_t* at) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(*at);
    int length = lead < 0x80                   ? 1
                 : lead >= 0xC2 && lead < 0xE0 ? 2
                 : lead >= 0xE0 && lead < 0xF0 ? 3
                 : lead >= 0xF0 && lead < 0xF5 ? 4
                                               : 0;
    if (length == 0 || *at + length > text.size()) {
        ++*at;
        return kNotUtf8;
    }
    std::uint32_t point = length == 1 ? lead : lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        if ((byte(*at + i) & 0xC0) != 0x80) {
            ++*at;
            return kNotUtf8;
        }
        point = (point << 6) | (byte(*at + i) & 0x3F);
    }
    static const std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < kSmallest[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
        ++*at;
        return kNotUtf8;
    }
    *at += length;
    return point;
}

bool NeedsEscape(std::uint32_t point) {
    return point < 0x20 || (point >= 0x7F && point < 0xA0) || point == 0x061C || point == 0x200E ||
           point == 0x200F || (point >= 0x2028 && point <= 0x202E) ||
           (point >= 0x2066 && point <= 0x2069);
}

std::string Escape(const char* format, unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

std::string ShownText(const std::string& utf8) {
    std::string shown;
    for (std::size_t at = 0; at < utf8.size();) {
        std::size_t start = at;
        std::uint32_t point = NextCodePoint(utf8, &at);
        if (point == kNotUtf8 || (NeedsEscape(point) && point < 0x80)) {
            shown += Escape("\\x%02x", static_cast<unsigned char>(utf8[start]));
        } else if (NeedsEscape(point)) {
            shown += Escape("\\u%04x", point);
        } else {
            shown += utf8.substr(start, at - start);
        }
    }
    return shown;
}

std::string JsonString(const std::string& utf8) {
    std::string json = "\"";
    for (std::size_t at = 0; at < utf8.size();) {
        std::size_t start = at;
        std::uint32_t point = NextCodePoint(utf8, &at);
        if (point == '"' || point == '\\') {
            json += '\\';
            json += static_cast<char>(point);
        } else if (point == kNotUtf8 || NeedsEscape(point)) {
            json += Escape("\\u%04x", point == kNotUtf8 ? 0xFFFD : point);
        } else {
            json += utf8.substr(start, at - start);
        }
    }
    return json + "\"";
}
