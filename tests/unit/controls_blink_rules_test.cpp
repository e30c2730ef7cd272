#include "blink_rules.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class Control : public CObject {};

std::vector<CObject*> Order(const CObList& list) {
    std::vector<CObject*> out;
    ForEachBlinking(list, [&out](CObject* p) { out.push_back(p); });
    return out;
}

TEST(ControlsBlinkRules, ControlsAreListedOnceInTheOrderTheyJoined) {
    Control a, b, c;
    CObList list;
    JoinBlinkList(list, &b);
    JoinBlinkList(list, &a);
    JoinBlinkList(list, &b);
    JoinBlinkList(list, &c);
    EXPECT_EQ(Order(list), (std::vector<CObject*>{&b, &a, &c}));
    LeaveBlinkList(list, &a);
    LeaveBlinkList(list, &a);
    EXPECT_EQ(Order(list), (std::vector<CObject*>{&b, &c}));
    JoinBlinkList(list, &a);
    EXPECT_EQ(Order(list), (std::vector<CObject*>{&b, &c, &a}));
}

TEST(ControlsBlinkRules, TheTimerRunsOnlyWhileAControlIsListed) {
    Control a, b;
    CObList list;
    EXPECT_EQ(BlinkTimerChangeFor(list, 0), BlinkTimerChange::kNone);
    JoinBlinkList(list, &a);
    EXPECT_EQ(BlinkTimerChangeFor(list, 0), BlinkTimerChange::kStart);
    EXPECT_EQ(BlinkTimerChangeFor(list, 7), BlinkTimerChange::kNone) << "already running";
    JoinBlinkList(list, &b);
    EXPECT_EQ(BlinkTimerChangeFor(list, 7), BlinkTimerChange::kNone);
    LeaveBlinkList(list, &a);
    EXPECT_EQ(BlinkTimerChangeFor(list, 7), BlinkTimerChange::kNone) << "b still blinks";
    LeaveBlinkList(list, &b);
    EXPECT_EQ(BlinkTimerChangeFor(list, 7), BlinkTimerChange::kStop);
    EXPECT_EQ(BlinkTimerChangeFor(list, 0), BlinkTimerChange::kNone);
}

TEST(ControlsBlinkRules, AStartThatFailedIsTriedAgainOnTheNextChange) {
    Control a, b;
    CObList list;
    JoinBlinkList(list, &a);
    ASSERT_EQ(BlinkTimerChangeFor(list, 0), BlinkTimerChange::kStart);
    unsigned timerId = 0; // the system gave no timer
    JoinBlinkList(list, &b);
    EXPECT_EQ(BlinkTimerChangeFor(list, timerId), BlinkTimerChange::kStart);
}

TEST(ControlsBlinkRules, TheWalkSurvivesTheHandledControlLeavingAndSkipsEmptyEntries) {
    Control a, b, c;
    CObList list;
    list.AddTail(&a);
    list.AddTail(nullptr);
    list.AddTail(&b);
    list.AddTail(&c);
    std::vector<CObject*> handled;
    ForEachBlinking(list, [&](CObject* p) {
        handled.push_back(p);
        LeaveBlinkList(list, p);
    });
    EXPECT_EQ(handled, (std::vector<CObject*>{&a, &b, &c}));
    EXPECT_EQ(list.GetCount(), 1) << "only the empty entry is left";
}

} // namespace
