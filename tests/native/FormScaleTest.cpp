#include "platform/FormScale.h"

#include <gtest/gtest.h>

TEST(FormScale, MulDivRoundsHalfAwayFromZero) {
    EXPECT_EQ(MulDivRound(280, 16, 13), 345); // 344.6
    EXPECT_EQ(MulDivRound(140, 16, 13), 172); // 172.3
    EXPECT_EQ(MulDivRound(13, 1, 2), 7);      // 6.5
    EXPECT_EQ(MulDivRound(-13, 1, 2), -7);
    EXPECT_EQ(MulDivRound(-11, 120, 96), -14); // -13.75
}

TEST(FormScale, FontFollowsTheScreenThenTheLayoutTheTextHeight) {
    EXPECT_EQ(ScreenFontHeight(-11, 96), -11);
    EXPECT_EQ(ScreenFontHeight(-11, 120), -14);
    EXPECT_EQ(ScreenFontHeight(-11, 144), -17); // -16.5
    const TScaleRatio designed = FormScaleRatio(13);
    EXPECT_EQ(Scale(280, designed), 280);
    const TScaleRatio large = FormScaleRatio(16); // "MS Sans Serif" of -14 on a 120 dpi screen
    EXPECT_EQ(Scale(280, large), 345);
    EXPECT_EQ(Scale(140, large), 172);
    const TScaleRatio none = FormScaleRatio(0); // no text metrics: no scaling
    EXPECT_EQ(Scale(57, none), 57);
}

TEST(FormScale, BoundsScaleByTheirEdges) {
    const TScaleRatio r{16, 13};
    // The button strip at the dialog's bottom: its bottom edge stays on the client's.
    const TBounds strip = Scale(TBounds{0, 111, 280, 29}, r);
    EXPECT_EQ(strip.Top, 137);
    EXPECT_EQ(strip.Top + strip.Height, Scale(140, r));
    EXPECT_EQ(strip.Width, Scale(280, r));
    // Neighbours stay neighbours: the address field ends where the gap to the port starts.
    const TBounds address = Scale(TBounds{52, 25, 150, 21}, r), port = Scale(TBounds{208, 25, 57, 21}, r);
    EXPECT_EQ(address.Left + address.Width, Scale(202, r));
    EXPECT_EQ(port.Left, Scale(208, r));
    EXPECT_EQ(Scale(TBounds{202, 2, 75, 25}, r).Width, 92); // 277 -> 341, 202 -> 249
}
