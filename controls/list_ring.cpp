#include "list_ring.h"

namespace {

// The system's virtual-key codes.
constexpr unsigned kKeyReturn = 0x0D;
constexpr unsigned kKeySpace = 0x20;
constexpr unsigned kKeyLeft = 0x25;
constexpr unsigned kKeyUp = 0x26;
constexpr unsigned kKeyRight = 0x27;
constexpr unsigned kKeyDown = 0x28;

} // namespace

void StepRingForward(CObList& ring) {
    if (!ring.IsEmpty()) {
        ring.AddTail(ring.RemoveHead());
    }
}

void StepRingBack(CObList& ring) {
    if (!ring.IsEmpty()) {
        ring.AddHead(ring.RemoveTail());
    }
}

RingStep RingStepForKey(unsigned key) {
    switch (key) {
    case kKeySpace:
    case kKeyReturn:
    case kKeyLeft:
    case kKeyUp:
        return RingStep::kForward;
    case kKeyRight:
    case kKeyDown:
        return RingStep::kBack;
    default:
        return RingStep::kNone;
    }
}
