#include "list_ring.h"

#include "ob_list_order.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class Entry : public CObject {};

void Step(CObList& ring, RingStep step) {
    if (step == RingStep::kForward) {
        StepRingForward(ring);
    } else if (step == RingStep::kBack) {
        StepRingBack(ring);
    }
}

constexpr unsigned kKeyUp = 0x26;
constexpr unsigned kKeyDown = 0x28;

TEST(ControlsListRing, ThreeEntriesWalkForwardAndBackKeepingTheirOrder) {
    Entry e1, e2, e3;
    CObList ring;
    ring.AddTail(&e1);
    ring.AddTail(&e2);
    ring.AddTail(&e3);
    // A left click steps forward and a right click back; keys step as their rule says.
    struct Move {
        RingStep step;
        CObject* shown;
    };
    const Move moves[] = {{RingStep::kForward, &e2},
                          {RingStep::kForward, &e3},
                          {RingStep::kBack, &e2},
                          {RingStepForKey(kKeyDown), &e1},
                          {RingStepForKey(kKeyUp), &e2}};
    int n = 0;
    for (const Move& move : moves) {
        Step(ring, move.step);
        EXPECT_EQ(ring.GetHead(), move.shown) << "move " << ++n;
    }
    EXPECT_EQ(ListOrder(ring), (std::vector<CObject*>{&e2, &e3, &e1}));
}

TEST(ControlsListRing, EmptyAndOneEntryRingsShowTheSameEitherWay) {
    CObList ring;
    StepRingForward(ring);
    StepRingBack(ring);
    EXPECT_TRUE(ring.IsEmpty());
    Entry only;
    ring.AddTail(&only);
    StepRingForward(ring);
    EXPECT_EQ(ListOrder(ring), (std::vector<CObject*>{&only}));
    StepRingBack(ring);
    EXPECT_EQ(ListOrder(ring), (std::vector<CObject*>{&only}));
}

TEST(ControlsListRing, KeysStepForwardOrBackOrNotAtAll) {
    for (unsigned key : {0x20u, 0x0Du, 0x25u, 0x26u}) {
        EXPECT_EQ(RingStepForKey(key), RingStep::kForward) << key;
    }
    for (unsigned key : {0x27u, 0x28u}) {
        EXPECT_EQ(RingStepForKey(key), RingStep::kBack) << key;
    }
    for (unsigned key : {0x09u, 0x1Bu, 0x41u, 0x24u, 0x23u}) {
        EXPECT_EQ(RingStepForKey(key), RingStep::kNone) << key;
    }
}

} // namespace
