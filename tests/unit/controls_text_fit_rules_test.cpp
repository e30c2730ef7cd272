#include "text_fit_rules.h"

#include <gtest/gtest.h>

TEST(ControlsTextFit, ALabelTooNarrowGrowsRightwardToTheTextsWidth) {
    IntRect label{17, 78, 51, 91};
    EXPECT_EQ(GrownToWidth(label, 41, TextGrowth::Rightward), (IntRect{17, 78, 58, 91}));
}

TEST(ControlsTextFit, AButtonTooNarrowGrowsAboutItsCentre) {
    IntRect button{99, 96, 129, 110};
    EXPECT_EQ(GrownToWidth(button, 36, TextGrowth::BothWays), (IntRect{96, 96, 132, 110}));
    // An odd growth gives the extra pixel to the right.
    EXPECT_EQ(GrownToWidth(button, 35, TextGrowth::BothWays), (IntRect{97, 96, 132, 110}));
}

TEST(ControlsTextFit, AControlWideEnoughStaysAsItIs) {
    IntRect label{17, 78, 51, 91};
    EXPECT_EQ(GrownToWidth(label, 34, TextGrowth::Rightward), label);
    EXPECT_EQ(GrownToWidth(label, 10, TextGrowth::BothWays), label);
}

TEST(ControlsTextFit, TheDialogGrowsByWhatItsRightmostEdgeMovedOut) {
    EXPECT_EQ(DialogGrowth(129, 132), 3);
    EXPECT_EQ(DialogGrowth(129, 129), 0);
    // A control grown within the old rightmost edge needs no wider dialog.
    EXPECT_EQ(DialogGrowth(129, 120), 0);
}
