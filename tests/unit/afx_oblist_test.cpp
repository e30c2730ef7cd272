#include "afx_oblist.h"

#include "ob_list_order.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class Item : public CObject {};

TEST(ObList, KeepsHeadAndTailOrder) {
    Item a, b, c;
    CObList list;
    list.AddTail(&b);
    list.AddTail(&c);
    list.AddHead(&a);
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(ListOrder(list), (std::vector<CObject*>{&a, &b, &c}));
}

TEST(ObList, FindsAndRemovesAnyElement) {
    Item a, b, c;
    CObList list;
    list.AddTail(&a);
    list.AddTail(&b);
    list.AddTail(&c);
    list.RemoveAt(list.Find(&b));
    EXPECT_EQ(ListOrder(list), (std::vector<CObject*>{&a, &c}));
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
    EXPECT_EQ(ListOrder(list), (std::vector<CObject*>{&a, &c}));
    list.AddTail(&b);
    EXPECT_EQ(list.GetAt(list.Find(&b)), &b);
    EXPECT_EQ(ListOrder(list).back(), &b);
}

TEST(ObList, TakesElementsOffEitherEnd) {
    Item a, b, c;
    CObList list;
    list.AddTail(&a);
    list.AddTail(&b);
    list.AddTail(&c);
    EXPECT_EQ(list.GetHead(), &a);
    EXPECT_EQ(list.GetTail(), &c);
    EXPECT_EQ(list.RemoveHead(), &a);
    EXPECT_EQ(list.RemoveTail(), &c);
    EXPECT_EQ(ListOrder(list), (std::vector<CObject*>{&b}));
    EXPECT_EQ(list.GetHead(), &b);
    EXPECT_EQ(list.GetTail(), &b);
    EXPECT_EQ(list.RemoveTail(), &b);
    EXPECT_TRUE(list.IsEmpty());
    list.AddHead(&c);
    EXPECT_EQ(ListOrder(list), (std::vector<CObject*>{&c}));
}

} // namespace
