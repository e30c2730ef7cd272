#include "shown_texts.h"

#include "afx_tooltip.h"
#include "wine_test_support.h"

#include <stdexcept>

namespace {

BOOL CALLBACK AddResourceId(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param) {
    if (IS_INTRESOURCE(name)) {
        reinterpret_cast<std::vector<WORD>*>(param)->push_back(LOWORD(name));
    }
    return TRUE;
}

std::vector<WORD> ResourceIds(HMODULE hModule, LPCWSTR type) {
    std::vector<WORD> ids;
    ::EnumResourceNamesW(hModule, type, &AddResourceId, reinterpret_cast<LONG_PTR>(&ids));
    return ids;
}

// A string-table resource is a block of sixteen strings; block n holds ids (n - 1) * 16 on.
std::wstring AllStrings(HMODULE hModule) {
    std::wstring all;
    for (WORD block : ResourceIds(hModule, RT_STRING)) {
        for (UINT id = (block - 1u) * 16u; id < block * 16u; ++id) {
            const wchar_t* text = nullptr;
            int length = ::LoadStringW(hModule, id, reinterpret_cast<LPWSTR>(&text), 0);
            all.append(text != nullptr ? text : L"", length).append(L"\n");
        }
    }
    return all;
}

LOGFONTW FontOf(HWND hWnd) {
    auto hFont = reinterpret_cast<HFONT>(::SendMessageW(hWnd, WM_GETFONT, 0, 0));
    LOGFONTW font{};
    ::GetObjectW(hFont != nullptr ? hFont : ::GetStockObject(SYSTEM_FONT), sizeof(font), &font);
    return font;
}

std::wstring WindowText(HWND hWnd) {
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(hWnd)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(::GetWindowTextW(hWnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

LOGFONTW TipFont() {
    CToolTipCtrl tip;
    tip.Create(nullptr);
    return FontOf(tip.m_hWnd);
}

void AddDialogTexts(HMODULE hModule, WORD id, const LOGFONTW& captionFont,
                    std::vector<ShownTexts>* shown) {
    HWND hDlg = CreateTemplateDialog(hModule, id);
    if (hDlg == nullptr) {
        throw std::runtime_error("dialog " + std::to_string(id) + " cannot be created");
    }
    std::wstring name = L"dialog " + std::to_wstring(id);
    shown->push_back({name + L" caption", captionFont, WindowText(hDlg)});
    std::wstring controls;
    for (HWND h = ::GetWindow(hDlg, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT)) {
        controls += WindowText(h) + L"\n";
    }
    shown->push_back({name + L" controls", FontOf(hDlg), controls});
    ::DestroyWindow(hDlg);
}

} // namespace

std::vector<ShownTexts> CollectShownTexts(HMODULE hModule) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    std::wstring strings = AllStrings(hModule);
    std::vector<ShownTexts> shown = {
        {L"strings in a tip", TipFont(), strings},
        {L"strings in a message box", metrics.lfMessageFont, strings},
        {L"strings in the system menu", metrics.lfMenuFont, strings},
    };
    for (WORD id : ResourceIds(hModule, RT_DIALOG)) {
        AddDialogTexts(hModule, id, metrics.lfCaptionFont, &shown);
    }
    return shown;
}
