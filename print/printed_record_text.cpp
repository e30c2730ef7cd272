#include "printed_record_text.h"

#include "print_calls.h"
#include "printed_record.h"
#include "utf16_text.h"

namespace {

constexpr int kPointSize = 8;
// Faces with Chinese and Japanese characters, first the one these machines have, then those
// Windows brings; the printer draws no character from a font other than the selected one.
const wchar_t* const kFaces[] = {L"WenQuanYi Micro Hei",
                                 L"Microsoft JhengHei",
                                 L"Microsoft YaHei",
                                 L"MS Gothic",
                                 L"MingLiU",
                                 L"SimSun",
                                 L"Arial Unicode MS"};

std::wstring Wide(const std::string& utf8) {
    std::u16string text = Utf16FromUtf8(utf8);
    return std::wstring(text.begin(), text.end());
}

// Whether the selected font is the named one and has a glyph for every character.
bool HasEveryCharacter(CDC& printer, const wchar_t* face, const std::wstring& text) {
    wchar_t selected[LF_FACESIZE] = L"";
    ::GetTextFaceW(printer, LF_FACESIZE, selected);
    if (::lstrcmpiW(selected, face) != 0) {
        return false;
    }
    std::vector<WORD> glyphs(text.size() + 1);
    if (::GetGlyphIndicesW(printer, text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                           GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        bool surrogate = text[i] >= 0xD800 && text[i] <= 0xDFFF;
        if (!surrogate && glyphs[i] == 0xFFFF) {
            return false;
        }
    }
    return true;
}

} // namespace

bool SelectRecordFont(CDC& printer, const std::vector<std::string>& lines, CFont* pFont) {
    std::wstring text;
    for (const std::string& line : lines) {
        text += Wide(line);
    }
    int height = -::MulDiv(kPointSize, printer.GetDeviceCaps(LOGPIXELSY), 72);
    for (const wchar_t* face : kFaces) {
        CFont font;
        if (!font.CreateFont(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, face)) {
            continue;
        }
        HGDIOBJ hOld = ::SelectObject(printer, font);
        if (HasEveryCharacter(printer, face, text)) {
            pFont->Attach(font.Detach());
            ::SelectObject(printer, *pFont);
            return true;
        }
        ::SelectObject(printer, hOld);
    }
    return false;
}

int RecordLineHeight(CDC& printer) {
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(printer, &metrics);
    return metrics.tmHeight + metrics.tmExternalLeading;
}

std::vector<std::wstring> WrapRecordLines(CDC& printer, const std::vector<std::string>& lines,
                                          int width) {
    auto measure = [&printer](const std::u16string& piece) {
        SIZE size{};
        ::GetTextExtentPoint32W(printer, reinterpret_cast<const wchar_t*>(piece.c_str()),
                                static_cast<int>(piece.size()), &size);
        return static_cast<int>(size.cx);
    };
    std::vector<std::wstring> wrapped;
    for (const std::string& line : lines) {
        for (const std::u16string& piece : WrapToWidth(Utf16FromUtf8(line), width, measure)) {
            wrapped.emplace_back(piece.begin(), piece.end());
        }
    }
    return wrapped;
}

bool DrawRecordLines(CDC& printer, const std::vector<std::wstring>& lines, int top) {
    int lineHeight = RecordLineHeight(printer);
    printer.SetBkMode(TRANSPARENT);
    printer.SetTextColor(RGB(0, 0, 0));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        int y = top + static_cast<int>(i) * lineHeight;
        if (!ThePrintCalls().textOut(printer, 0, y, lines[i].c_str(),
                                     static_cast<int>(lines[i].size()))) {
            return false;
        }
    }
    return true;
}
