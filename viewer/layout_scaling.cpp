#include "layout_scaling.h"

#include <cwctype>

namespace {

float AxisFactor(int screen, int client) {
    return client != 0 ? static_cast<float>(screen) / static_cast<float>(client) : 1.0f;
}

int ScaleEdge(int edge, float factor) {
    return static_cast<int>(static_cast<float>(edge) * factor);
}

} // namespace

ScaleFactors ScreenScaleFactors(int screenWidth, int screenHeight, int clientWidth,
                                int clientHeight) {
    return {AxisFactor(screenWidth, clientWidth), AxisFactor(screenHeight, clientHeight)};
}

LayoutPlacement ScaleChildRect(const IntRect& rect, ScaleFactors factors, bool isComboBox) {
    int left = ScaleEdge(rect.left, factors.x);
    int top = ScaleEdge(rect.top, factors.y);
    int right = ScaleEdge(rect.right, factors.x);
    int bottom = ScaleEdge(rect.bottom, factors.y);
    int height = isComboBox ? 5 * (rect.bottom - rect.top) : bottom - top;
    return {left, top, right - left, height};
}

bool IsComboBoxClassName(const wchar_t* className) {
    const wchar_t* expected = L"combobox";
    for (; *className != L'\0' && *expected != L'\0'; ++className, ++expected) {
        if (std::towlower(static_cast<wint_t>(*className)) != static_cast<wint_t>(*expected)) {
            return false;
        }
    }
    return *className == L'\0' && *expected == L'\0';
}
