#include "utf16_text.h"

#include <cstddef>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

unsigned char ByteAt(const std::string& text, std::size_t i) {
    return static_cast<unsigned char>(text[i]);
}

// How many continuation bytes follow a lead byte, and the bits the lead byte carries; 0 and
// false for a byte that cannot start a sequence.
bool ReadLead(unsigned char lead, int* continuations, char32_t* bits) {
    if (lead < 0x80) {
        *continuations = 0;
        *bits = lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        *continuations = 1;
        *bits = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        *continuations = 2;
        *bits = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        *continuations = 3;
        *bits = lead & 0x07;
    } else {
        return false;
    }
    return true;
}

// The smallest code point each sequence length may carry: anything less is an overlong form.
char32_t SmallestFor(int continuations) {
    static const char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    return kSmallest[continuations];
}

// Decodes the character at *at and moves past it; a malformed sequence gives U+FFFD and moves
// past its lead byte only.
char32_t NextCodePoint(const std::string& utf8, std::size_t* at) {
    int continuations = 0;
    char32_t code = 0;
    std::size_t start = *at;
    ++*at;
    if (!ReadLead(ByteAt(utf8, start), &continuations, &code)) {
        return kReplacement;
    }
    if (start + continuations >= utf8.size()) {
        return kReplacement;
    }
    for (int i = 1; i <= continuations; ++i) {
        unsigned char next = ByteAt(utf8, start + i);
        if ((next & 0xC0) != 0x80) {
            return kReplacement;
        }
        code = (code << 6) | (next & 0x3F);
    }
    if (code < SmallestFor(continuations) || code > 0x10FFFF ||
        (code >= 0xD800 && code <= 0xDFFF)) {
        return kReplacement;
    }
    *at = start + 1 + continuations;
    return code;
}

} // namespace

std::u16string Utf16FromUtf8(const std::string& utf8) {
    std::u16string text;
    std::size_t at = 0;
    while (at < utf8.size()) {
        char32_t code = NextCodePoint(utf8, &at);
        if (code >= 0x10000) {
            code -= 0x10000;
            text += static_cast<char16_t>(0xD800 + (code >> 10));
            text += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            text += static_cast<char16_t>(code);
        }
    }
    return text;
}

std::string Utf16LittleEndianBytes(const std::u16string& text) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}
