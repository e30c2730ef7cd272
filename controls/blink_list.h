// Check boxes that blink while checked share one list and one 500 ms timer, which runs only while
// the list is not empty; each tick flips every listed box's blink phase and has it repainted.
// The list and the two colour pairs are set up before the application object and the list is
// torn down once at exit.
#pragma once

#include "afxwin.h"

#include <utility>

using ColorPair = std::pair<COLORREF, COLORREF>;

// The blinking controls, each at most once, in the order they joined; not owned.
extern CObList g_blinkList;
// The running timer, or 0.
extern UINT g_nBlinkTimer;
// The button face and its blink colour; the button text and its blink colour.
extern ColorPair g_clrFacePair;
extern ColorPair g_clrTextPair;

// Lists the control (a listed one keeps its place), or takes it off the list and ends its blink
// phase, then starts or stops the timer as the list needs. A control must leave before it is
// destroyed.
void SetBlinking(CObject* pControl, BOOL bOn);

// Starts the timer when the list has controls and none runs, stops it when the list is empty. A
// timer the system refuses is asked for again on the next change.
void UpdateBlinkTimer();

// Each tick: every listed check box changes its blink phase and is repainted.
void CALLBACK BlinkTimerProc(HWND hWnd, UINT nMsg, UINT_PTR nIDEvent, DWORD dwTime);
