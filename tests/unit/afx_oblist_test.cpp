#include "afx_oblist.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class Item : public CObject {};

std::vector<CObject*> Walk(const CObList& list) {
    std::vector<CObject*> out;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        out.push_back(list.GetNext(pos));
    }
    return out;
}

TEST(ObList, KeepsHeadAndTailOrder) {
    Item a, b, c;
    CObList list;
    list.AddTail(&b);
    list.AddTail(&c);
    list.AddHead(&a);
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(Walk(list), (std::vector<CObject*>{&a, &b, &c}));
}

TEST(ObList, FindsAndRemovesAnyElement) {
    Item a, b, c;
    CObList list;
    list.AddTail(&a);
    list.AddTail(&b);
    list.AddTail(&c);
    list.RemoveAt(list.Find(&b));
    EXPECT_EQ(Walk(list), (std::vector<CObject*>{&a, &c}));
    list.RemoveAt(list.Find(&a));
    list.RemoveAt(list.Find(&c));
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    EXPECT_EQ(list.Find(&a), nullptr);
}

TEST(ObList, PositionStaysValidWhenTheCurrentElementIsRemovedDuringAWalk) {
    Item a, b, c;
    CObList list;
    list.AddTail(&a);
    list.AddTail(&b);
    list.AddTail(&c);
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        POSITION current = pos;
        if (list.GetNext(pos) == &b) {
            list.RemoveAt(current);
        }
    }
    EXPECT_EQ(Walk(list), (std::vector<CObject*>{&a, &c}));
    list.AddTail(&b);
    EXPECT_EQ(list.GetAt(list.Find(&b)), &b);
    EXPECT_EQ(Walk(list).back(), &b);
}

} // namespace
