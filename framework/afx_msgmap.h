// Message maps: per-class tables of (message, notification, id range, handler), each chained to
// its base class's table. Handlers are reached through small capture-less thunks, so a table is
// plain constant data and a derived class never needs member-pointer casts.
#pragma once

#include <windows.h>

class CCmdTarget;

using AFX_PMSG = LRESULT (*)(CCmdTarget* pTarget, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;
    UINT nCode;
    UINT nID;
    UINT nLastID;
    AFX_PMSG pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Reflected messages come back to the control that caused them, offset by this base.
constexpr UINT WM_REFLECT_BASE = 0xBC00;

#define DECLARE_MESSAGE_MAP()                                                                      \
  protected:                                                                                       \
    static const AFX_MSGMAP* GetThisMessageMap();                                                  \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const {                                            \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                              \
        using ThisClass [[maybe_unused]] = theClass;                                               \
        using TheBaseClass = baseClass;                                                            \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                                          \
    { 0, 0, 0, 0, nullptr }                                                                        \
    }                                                                                              \
    ;                                                                                              \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &entries[0]};          \
    return &messageMap;                                                                            \
    }

#define AFX_THIS(p) static_cast<ThisClass*>(p)
#define AFX_THUNK(body)                                                                            \
    [](CCmdTarget* pTarget, [[maybe_unused]] WPARAM wParam,                                        \
       [[maybe_unused]] LPARAM lParam) -> LRESULT { body }
#define AFX_MSG_ENTRY(msg, body) {msg, 0, 0, 0, AFX_THUNK(body)},
#define AFX_POINT CPoint(lParam)

// Generic entries.
#define ON_MESSAGE(msg, memberFxn)                                                                 \
    AFX_MSG_ENTRY(msg, return AFX_THIS(pTarget)->memberFxn(wParam, lParam);)
#define ON_COMMAND(id, memberFxn)                                                                  \
    {                                                                                              \
        WM_COMMAND, 0, static_cast<UINT>(id), static_cast<UINT>(id),                               \
            AFX_THUNK(AFX_THIS(pTarget)->memberFxn(); return TRUE;)                                \
    }                                                                                              \
    ,
#define ON_CONTROL(code, id, memberFxn)                                                            \
    {                                                                                              \
        WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id),         \
            AFX_THUNK(AFX_THIS(pTarget)->memberFxn(); return TRUE;)                                \
    }                                                                                              \
    ,
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_CONTROL_REFLECT(code, memberFxn)                                                        \
    {                                                                                              \
        WM_REFLECT_BASE + WM_COMMAND, static_cast<UINT>(code), 0, 0,                               \
            AFX_THUNK(AFX_THIS(pTarget)->memberFxn(); return TRUE;)                                \
    }                                                                                              \
    ,

// Window messages, with the handler names and signatures of the class library.
#define ON_WM_CREATE()                                                                             \
    AFX_MSG_ENTRY(WM_CREATE,                                                                       \
                  return AFX_THIS(pTarget)->OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam));)
#define ON_WM_DESTROY() AFX_MSG_ENTRY(WM_DESTROY, AFX_THIS(pTarget)->OnDestroy(); return 0;)
#define ON_WM_PAINT() AFX_MSG_ENTRY(WM_PAINT, AFX_THIS(pTarget)->OnPaint(); return 0;)
#define ON_WM_ERASEBKGND()                                                                         \
    AFX_MSG_ENTRY(WM_ERASEBKGND, return AFX_THIS(pTarget)->OnEraseBkgnd(                           \
                                     CDC::FromHandle(reinterpret_cast<HDC>(wParam)));)
#define ON_WM_QUERYDRAGICON()                                                                      \
    AFX_MSG_ENTRY(WM_QUERYDRAGICON,                                                                \
                  return reinterpret_cast<LRESULT>(AFX_THIS(pTarget)->OnQueryDragIcon());)
#define ON_WM_SYSCOMMAND()                                                                         \
    AFX_MSG_ENTRY(WM_SYSCOMMAND,                                                                   \
                  AFX_THIS(pTarget)->OnSysCommand(static_cast<UINT>(wParam), lParam);              \
                  return 0;)
#define AFX_MOUSE_ENTRY(msg, memberFxn)                                                            \
    AFX_MSG_ENTRY(msg, AFX_THIS(pTarget)->memberFxn(static_cast<UINT>(wParam), AFX_POINT);         \
                  return 0;)
#define ON_WM_MOUSEMOVE() AFX_MOUSE_ENTRY(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_LBUTTONDOWN() AFX_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MOUSE_ENTRY(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_MOUSE_ENTRY(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_MOUSE_ENTRY(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_MOUSE_ENTRY(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_MOUSEWHEEL()                                                                         \
    AFX_MSG_ENTRY(WM_MOUSEWHEEL,                                                                   \
                  return AFX_THIS(pTarget)->OnMouseWheel(                                          \
                      LOWORD(wParam), static_cast<short>(HIWORD(wParam)), AFX_POINT);)
#define ON_WM_NCHITTEST()                                                                          \
    AFX_MSG_ENTRY(WM_NCHITTEST, return AFX_THIS(pTarget)->OnNcHitTest(AFX_POINT);)
#define ON_WM_SETCURSOR()                                                                          \
    AFX_MSG_ENTRY(WM_SETCURSOR, return AFX_THIS(pTarget)->OnSetCursor(                             \
                                    CWnd::FromHandle(reinterpret_cast<HWND>(wParam)),              \
                                    LOWORD(lParam), HIWORD(lParam));)
#define AFX_SCROLL_ENTRY(msg, memberFxn)                                                           \
    AFX_MSG_ENTRY(                                                                                 \
        msg, AFX_THIS(pTarget)->memberFxn(                                                         \
                 LOWORD(wParam), HIWORD(wParam),                                                   \
                 reinterpret_cast<CScrollBar*>(CWnd::FromHandle(reinterpret_cast<HWND>(lParam)))); \
        return 0;)
#define ON_WM_HSCROLL() AFX_SCROLL_ENTRY(WM_HSCROLL, OnHScroll)
#define ON_WM_VSCROLL() AFX_SCROLL_ENTRY(WM_VSCROLL, OnVScroll)
#define AFX_KEY_ENTRY(msg, memberFxn)                                                              \
    AFX_MSG_ENTRY(msg, AFX_THIS(pTarget)->memberFxn(static_cast<UINT>(wParam), LOWORD(lParam),     \
                                                    HIWORD(lParam));                               \
                  return 0;)
#define ON_WM_KEYDOWN() AFX_KEY_ENTRY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() AFX_KEY_ENTRY(WM_KEYUP, OnKeyUp)
#define ON_WM_SETFOCUS()                                                                           \
    AFX_MSG_ENTRY(WM_SETFOCUS,                                                                     \
                  AFX_THIS(pTarget)->OnSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam))); \
                  return 0;)
#define ON_WM_KILLFOCUS()                                                                          \
    AFX_MSG_ENTRY(WM_KILLFOCUS, AFX_THIS(pTarget)->OnKillFocus(                                    \
                                    CWnd::FromHandle(reinterpret_cast<HWND>(wParam)));             \
                  return 0;)
#define ON_WM_SIZE()                                                                               \
    AFX_MSG_ENTRY(WM_SIZE, AFX_THIS(pTarget)->OnSize(static_cast<UINT>(wParam), LOWORD(lParam),    \
                                                     HIWORD(lParam));                              \
                  return 0;)
#define ON_WM_TIMER()                                                                              \
    AFX_MSG_ENTRY(WM_TIMER, AFX_THIS(pTarget)->OnTimer(static_cast<UINT_PTR>(wParam)); return 0;)
#define ON_WM_GETDLGCODE() AFX_MSG_ENTRY(WM_GETDLGCODE, return AFX_THIS(pTarget)->OnGetDlgCode();)
#define ON_WM_ENABLE() AFX_MSG_ENTRY(WM_ENABLE, AFX_THIS(pTarget)->OnEnable(wParam != 0); return 0;)
