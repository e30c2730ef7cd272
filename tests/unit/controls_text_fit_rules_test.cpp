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

// The Save-As dialog's lower rows in Japanese at 96 dpi, in client pixels: "ファイル名:" needs 71
// pixels where its label has 60, "キャンセル" 73 where its button has 53.
TEST(ControlsTextFit, GrownControlsKeepTheTemplatesGapsToTheirNeighbours) {
    const IntRect label{29, 136, 89, 154}, edit{96, 135, 225, 156};
    const IntRect save{110, 168, 163, 193}, cancel{173, 168, 226, 193};
    const std::vector<IntRect> before{label, edit, save, cancel};
    std::vector<IntRect> fitted{GrownToWidth(label, 71, TextGrowth::Rightward), edit, save,
                                GrownToWidth(cancel, 73, TextGrowth::BothWays)};
    std::vector<IntRect> placed = KeptApart(before, fitted);
    // The label keeps its left edge; the edit box keeps its 7 pixels from it.
    EXPECT_EQ(placed[0], (IntRect{29, 136, 100, 154}));
    EXPECT_EQ(placed[1], (IntRect{107, 135, 236, 156}));
    // Save fits and stays; Cancel, grown 10 pixels into the gap to it, moves back out.
    EXPECT_EQ(placed[2], save);
    EXPECT_EQ(placed[3], (IntRect{173, 168, 246, 193}));
}

TEST(ControlsTextFit, AGrownControlPushesTheWholeRestOfItsRowButNoOtherRow) {
    const std::vector<IntRect> before{
        {0, 0, 10, 10}, {14, 0, 24, 10}, {30, 2, 40, 8}, {14, 20, 24, 30}};
    std::vector<IntRect> fitted = before;
    fitted[0] = GrownToWidth(before[0], 16, TextGrowth::Rightward);
    std::vector<IntRect> placed = KeptApart(before, fitted);
    EXPECT_EQ(placed[1], (IntRect{20, 0, 30, 10}));
    EXPECT_EQ(placed[2], (IntRect{36, 2, 46, 8}));
    EXPECT_EQ(placed[3], before[3]) << "a control below the grown one stays";
}
