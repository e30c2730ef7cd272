// Every character the user of the session's language reads, drawn as the program's windows draw
// it, must come out as a glyph: not as the missing-glyph shape, not as nothing. Both happen when
// no installed font has the character.
#include "resource.h"
#include "shown_texts.h"
#include "test_files.h"
#include "wine_test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

// Unassigned in Unicode, so no font has a glyph for it.
const wchar_t kMissingCharacter[] = L"\x0378";

// A memory canvas that draws one character at a time in one font, black on white.
class GlyphCanvas {
  public:
    explicit GlyphCanvas(const LOGFONTW& font)
        : m_hDC(::CreateCompatibleDC(nullptr)), m_hBitmap(CreateDib32(kSide, kSide, &m_bits)),
          m_hFont(::CreateFontIndirectW(&font)), m_oldBitmap(::SelectObject(m_hDC, m_hBitmap)),
          m_oldFont(::SelectObject(m_hDC, m_hFont)) {}
    ~GlyphCanvas() {
        ::SelectObject(m_hDC, m_oldFont);
        ::SelectObject(m_hDC, m_oldBitmap);
        ::DeleteObject(m_hFont);
        ::DeleteObject(m_hBitmap);
        ::DeleteDC(m_hDC);
    }
    GlyphCanvas(const GlyphCanvas&) = delete;
    GlyphCanvas& operator=(const GlyphCanvas&) = delete;

    bool FontFits() const {
        TEXTMETRICW metrics{};
        ::GetTextMetricsW(m_hDC, &metrics);
        return metrics.tmHeight > 0 && metrics.tmHeight < kSide / 2;
    }

    std::vector<UINT32> Draw(const std::wstring& character) {
        RECT rc = {0, 0, kSide, kSide};
        ::FillRect(m_hDC, &rc, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        ::SetTextColor(m_hDC, RGB(0, 0, 0));
        ::SetBkMode(m_hDC, TRANSPARENT);
        ::DrawTextW(m_hDC, character.c_str(), static_cast<int>(character.size()), &rc,
                    DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
        ::GdiFlush();
        std::vector<UINT32> pixels(kSide * kSide);
        std::memcpy(pixels.data(), m_bits, pixels.size() * sizeof(UINT32));
        return pixels;
    }

  private:
    static constexpr int kSide = 96;
    void* m_bits = nullptr;
    HDC m_hDC;
    HBITMAP m_hBitmap;
    HFONT m_hFont;
    HGDIOBJ m_oldBitmap;
    HGDIOBJ m_oldFont;
};

bool IsBlank(const std::vector<UINT32>& pixels) {
    for (UINT32 pixel : pixels) {
        if ((pixel & 0xFFFFFF) != 0xFFFFFF) {
            return false;
        }
    }
    return true;
}

bool IsSpace(const std::wstring& character) {
    WORD type = 0;
    ::GetStringTypeW(CT_CTYPE1, character.c_str(), 1, &type);
    return (type & (C1_SPACE | C1_CNTRL)) != 0;
}

// The distinct characters of a text other than blanks and line breaks, each as its one or two
// UTF-16 units.
std::set<std::wstring> DistinctCharacters(const std::wstring& text) {
    std::set<std::wstring> characters;
    for (size_t i = 0; i < text.size(); ++i) {
        size_t units = IS_HIGH_SURROGATE(text[i]) && i + 1 < text.size() ? 2 : 1;
        std::wstring character = text.substr(i, units);
        i += units - 1;
        if (!IsSpace(character)) {
            characters.insert(character);
        }
    }
    return characters;
}

// The characters of the texts that come out as the missing-glyph shape or as nothing.
std::wstring UnreadableCharacters(const ShownTexts& shown) {
    GlyphCanvas canvas(shown.font);
    EXPECT_TRUE(canvas.FontFits()) << Utf8(shown.where);
    std::vector<UINT32> missing = canvas.Draw(kMissingCharacter);
    std::wstring unreadable;
    for (const std::wstring& character : DistinctCharacters(shown.text)) {
        std::vector<UINT32> drawn = canvas.Draw(character);
        if (drawn == missing || IsBlank(drawn)) {
            unreadable += character;
        }
    }
    return unreadable;
}

bool HasTextsIn(HMODULE hModule, LANGID language) {
    return ::FindResourceExW(hModule, RT_STRING, MAKEINTRESOURCEW(IDS_ABOUTBOX / 16 + 1),
                             language) != nullptr;
}

TEST(TranslatedGlyphs, EveryCharacterOfTheUsersTextsIsDrawnAsAGlyph) {
    HMODULE hModule = AfxGetResourceHandle();
    ASSERT_TRUE(HasTextsIn(hModule, ::GetUserDefaultUILanguage()))
        << "the program has no texts in this session's language " << ::GetUserDefaultUILanguage();
    std::vector<ShownTexts> all = CollectShownTexts(hModule);
    size_t characters = 0;
    for (const ShownTexts& shown : all) {
        characters += DistinctCharacters(shown.text).size();
        EXPECT_EQ(Utf8(UnreadableCharacters(shown)), "")
            << "drawn as boxes or nothing: " << Utf8(shown.where) << " in font \""
            << Utf8(shown.font.lfFaceName) << "\"";
    }
    EXPECT_GT(characters, 0u);
}

} // namespace
