#include "afx_object.h"

#include <gtest/gtest.h>

namespace {

class Shape : public CObject {
    DECLARE_DYNAMIC(Shape)
};
IMPLEMENT_DYNAMIC(Shape, CObject)

class Circle : public Shape {
    DECLARE_DYNAMIC(Circle)
};
IMPLEMENT_DYNAMIC(Circle, Shape)

// Derives without declaring run-time information: it answers as its nearest declared base.
class Ring : public Circle {};

class Label : public CObject {
    DECLARE_DYNAMIC(Label)
};
IMPLEMENT_DYNAMIC(Label, CObject)

TEST(RuntimeClass, KnowsItsOwnNameAndBase) {
    Circle c;
    EXPECT_STREQ(c.GetRuntimeClass()->m_lpszClassName, "Circle");
    EXPECT_EQ(c.GetRuntimeClass()->m_pBaseClass, RUNTIME_CLASS(Shape));
    EXPECT_EQ(RUNTIME_CLASS(CObject)->m_pBaseClass, nullptr);
}

TEST(RuntimeClass, IsKindOfFollowsTheBaseChainOnly) {
    Circle c;
    EXPECT_TRUE(c.IsKindOf(RUNTIME_CLASS(Circle)));
    EXPECT_TRUE(c.IsKindOf(RUNTIME_CLASS(Shape)));
    EXPECT_TRUE(c.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(c.IsKindOf(RUNTIME_CLASS(Label)));
    Shape s;
    EXPECT_FALSE(s.IsKindOf(RUNTIME_CLASS(Circle)));
}

TEST(RuntimeClass, ClassWithoutItsOwnInformationAnswersAsItsBase) {
    Ring r;
    EXPECT_EQ(r.GetRuntimeClass(), RUNTIME_CLASS(Circle));
    EXPECT_TRUE(r.IsKindOf(RUNTIME_CLASS(Shape)));
}

TEST(RuntimeClass, DynamicDowncastChecksTheKind) {
    Circle c;
    Label l;
    CObject* objects[] = {&c, &l, nullptr};
    EXPECT_EQ(DYNAMIC_DOWNCAST(Shape, objects[0]), &c);
    EXPECT_EQ(DYNAMIC_DOWNCAST(Shape, objects[1]), nullptr);
    EXPECT_EQ(DYNAMIC_DOWNCAST(Shape, objects[2]), nullptr);
}

} // namespace
