// The bookkeeping of the controls that blink together on one shared timer: each control is listed
// at most once, in the order it joined, and the timer runs only while the list is not empty.
#pragma once

#include "afx_oblist.h"

// Lists the control at the tail; a control already listed keeps its place.
void JoinBlinkList(CObList& list, CObject* pControl);

// Takes the control off the list; a control that is not listed changes nothing.
void LeaveBlinkList(CObList& list, CObject* pControl);

enum class BlinkTimerChange { kNone, kStart, kStop };

// What the timer needs after a change of the list; timerId 0 means no timer runs. A start that
// failed left the id at 0, so the next change asks for a start again.
BlinkTimerChange BlinkTimerChangeFor(const CObList& list, unsigned timerId);

// Hands each listed control to handle, from head to tail. Each node's successor is read before the
// node is handled, so handling may take the handled control off the list.
template <class Handle> void ForEachBlinking(const CObList& list, Handle handle) {
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        CObject* pControl = list.GetNext(pos);
        if (pControl != nullptr) {
            handle(pControl);
        }
    }
}
