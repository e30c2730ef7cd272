#include "blink_rules.h"

void JoinBlinkList(CObList& list, CObject* pControl) {
    if (list.Find(pControl) == nullptr) {
        list.AddTail(pControl);
    }
}

void LeaveBlinkList(CObList& list, CObject* pControl) {
    if (POSITION pos = list.Find(pControl)) {
        list.RemoveAt(pos);
    }
}

BlinkTimerChange BlinkTimerChangeFor(const CObList& list, unsigned timerId) {
    if (!list.IsEmpty() && timerId == 0) {
        return BlinkTimerChange::kStart;
    }
    if (list.IsEmpty() && timerId != 0) {
        return BlinkTimerChange::kStop;
    }
    return BlinkTimerChange::kNone;
}
