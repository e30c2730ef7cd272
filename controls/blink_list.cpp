#include "blink_list.h"

#include "bitmap_check_box.h"
#include "blink_rules.h"

namespace {

constexpr UINT kBlinkIntervalMs = 500;

} // namespace

// The application object is a global of another file, and the language leaves the order in which
// files set up their globals open. These are set up first whatever order the linker gives the
// files, and so go last at exit, after the application object.
CObList g_blinkList __attribute__((init_priority(101)));
UINT g_nBlinkTimer = 0;
ColorPair g_clrFacePair;
ColorPair g_clrTextPair;

namespace {

// Set once the list is torn down: a control that leaves during the rest of the exit finds no list
// rather than a destroyed one.
bool s_bListTornDown = false;

// Set up after the list, so torn down before it.
class BlinkListLifetime {
  public:
    BlinkListLifetime() {
        g_clrFacePair = {::GetSysColor(COLOR_BTNFACE), RGB(224, 0, 0)};
        g_clrTextPair = {::GetSysColor(COLOR_BTNTEXT), RGB(255, 255, 255)};
    }
    ~BlinkListLifetime() {
        g_blinkList.RemoveAll();
        UpdateBlinkTimer();
        s_bListTornDown = true;
    }
    BlinkListLifetime(const BlinkListLifetime&) = delete;
    BlinkListLifetime& operator=(const BlinkListLifetime&) = delete;
};

BlinkListLifetime s_blinkListLifetime __attribute__((init_priority(101)));

void FlipBlinkPhase(CObject* pControl) {
    auto* pBox = DYNAMIC_DOWNCAST(ABitmapCheckBox, pControl);
    if (pBox == nullptr) {
        return;
    }
    pBox->m_bBlinkPhase = !pBox->m_bBlinkPhase;
    if (pBox->m_hWnd != nullptr) {
        pBox->Invalidate(TRUE);
    }
}

} // namespace

void SetBlinking(CObject* pControl, BOOL bOn) {
    if (s_bListTornDown) {
        return;
    }
    if (bOn) {
        JoinBlinkList(g_blinkList, pControl);
    } else {
        LeaveBlinkList(g_blinkList, pControl);
        if (auto* pBox = DYNAMIC_DOWNCAST(ABitmapCheckBox, pControl)) {
            pBox->m_bBlinkPhase = FALSE;
        }
    }
    UpdateBlinkTimer();
}

void UpdateBlinkTimer() {
    switch (BlinkTimerChangeFor(g_blinkList, g_nBlinkTimer)) {
    case BlinkTimerChange::kStart:
        g_nBlinkTimer =
            static_cast<UINT>(::SetTimer(nullptr, 0, kBlinkIntervalMs, &BlinkTimerProc));
        break;
    case BlinkTimerChange::kStop:
        ::KillTimer(nullptr, g_nBlinkTimer);
        g_nBlinkTimer = 0;
        break;
    case BlinkTimerChange::kNone:
        break;
    }
}

void CALLBACK BlinkTimerProc(HWND, UINT, UINT_PTR, DWORD) {
    if (!s_bListTornDown) {
        ForEachBlinking(g_blinkList, &FlipBlinkPhase);
    }
}
