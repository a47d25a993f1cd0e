#include "edit/EditPaint.h"

#include <gtest/gtest.h>

TEST(EditPaint, TextPlacement) {
    struct Case {
        TAlignment alignment;
        bool focused, rightToLeft;
        int clientWidth, textWidth, marginX, expected;
    };
    const Case cases[] = {
        // unfocused: by Alignment
        {taLeftJustify, false, false, 100, 40, 3, 3},
        {taRightJustify, false, false, 100, 40, 3, 56},
        {taCenter, false, false, 47, 40, 3, 3},  // C - W = 7
        {taCenter, false, false, 37, 40, 3, -1}, // C - W = -3 truncates toward zero
        {taCenter, false, false, 100, 40, 9, 30}, // margins play no part
        {taRightJustify, false, false, 30, 40, 3, -14},
        // focused: always at the left margin
        {taLeftJustify, true, false, 100, 40, 3, 3},
        {taRightJustify, true, false, 100, 40, 3, 3},
        {taCenter, true, false, 100, 40, 3, 3},
        // right-to-left alignment swaps left and right; centre stays
        {taLeftJustify, false, true, 100, 40, 3, 56},
        {taRightJustify, false, true, 100, 40, 3, 3},
        {taCenter, false, true, 47, 40, 3, 3},
        {taCenter, true, true, 100, 40, 3, 56}, // focused: placed by the right rule
    };
    for (const auto& c : cases) {
        const TAlignment effective = EffectiveAlignment(c.alignment, c.focused, c.rightToLeft);
        EXPECT_EQ(TextX(effective, c.clientWidth, c.textWidth, {c.marginX, 0}), c.expected)
            << int(c.alignment) << " focused " << c.focused << " rtl " << c.rightToLeft;
    }
}

TEST(EditPaint, RightToLeftAlignmentNeedsTheFlagAndTheMode) {
    EXPECT_TRUE(UsesRightToLeftAlignment(true, bdRightToLeft));
    EXPECT_FALSE(UsesRightToLeftAlignment(false, bdRightToLeft));
    EXPECT_FALSE(UsesRightToLeftAlignment(true, bdRightToLeftNoAlign));
    EXPECT_FALSE(UsesRightToLeftAlignment(true, bdRightToLeftReadingOnly));
    EXPECT_FALSE(UsesRightToLeftAlignment(true, bdLeftToRight));
}

TEST(EditPaint, Margins) {
    EXPECT_EQ(NewStyleMargins(true, true, 2).X, 2);
    EXPECT_EQ(NewStyleMargins(true, true, 2).Y, 0);
    EXPECT_EQ(NewStyleMargins(false, true, 2).X, 3);
    EXPECT_EQ(NewStyleMargins(false, true, 2).Y, 1);
    EXPECT_EQ(NewStyleMargins(false, false, 2).X, 4);
    EXPECT_EQ(NewStyleMargins(false, false, 2).Y, 2);
    EXPECT_EQ(OldStyleMargins(false, 16, 13).X, 3); // min(16, 13) / 4
    EXPECT_EQ(OldStyleMargins(false, 11, 20).Y, 2);
    EXPECT_EQ(OldStyleMargins(true, 16, 13).X, 0);
}

TEST(EditPaint, Frame) {
    EXPECT_FALSE(DrawsFrame(true, true, true));
    EXPECT_TRUE(DrawsFrame(true, true, false));
    EXPECT_TRUE(DrawsFrame(true, false, true));
    EXPECT_FALSE(DrawsFrame(false, false, false));
}

TEST(EditPaint, RightToLeftExtendedStyle) {
    constexpr std::uint32_t Right = 0x1000, Rtl = 0x2000, LeftSb = 0x4000, Other = 0x200;
    struct Case {
        std::uint32_t before;
        TBiDiMode mode;
        TAlignment alignment;
        bool focused;
        std::uint32_t after;
    };
    const Case cases[] = {
        {Other | Right | LeftSb, bdRightToLeftReadingOnly, taLeftJustify, false, Other | Rtl},
        {Other, bdRightToLeftReadingOnly, taRightJustify, false, Other | Rtl | Right},
        {Other, bdRightToLeftReadingOnly, taCenter, false, Other | Rtl},
        {Other, bdRightToLeftNoAlign, taRightJustify, false, Other | Rtl | LeftSb | Right},
        // right-to-left alignment: left-justified Alignment becomes right, which is WS_EX_LEFT there
        {Other, bdRightToLeft, taLeftJustify, false, Other | Rtl | LeftSb},
        {Other, bdRightToLeft, taRightJustify, false, Other | Rtl | LeftSb | Right},
        {Other, bdRightToLeft, taRightJustify, true, Other | Rtl | LeftSb}, // focused: left, swapped to right
        {Other, bdRightToLeft, taCenter, false, Other | Rtl | LeftSb},
    };
    for (const auto& c : cases) {
        const bool rtl = UsesRightToLeftAlignment(true, c.mode);
        EXPECT_EQ(RightToLeftExStyle(c.before, c.mode, rtl, EffectiveAlignment(c.alignment, c.focused, rtl)), c.after)
            << int(c.mode) << ' ' << int(c.alignment);
    }
}

TEST(EditPaint, CharFilter) {
    const std::string digits = "1234567890";
    for (unsigned char c = '0'; c <= '9'; ++c) EXPECT_TRUE(PassesCharFilter(true, digits, c));
    for (unsigned char c : {'a', 'Z', ' ', '-', '\r', '\x1b', '\xe9'}) EXPECT_FALSE(PassesCharFilter(true, digits, c)) << int(c);
    for (unsigned char ctrl : {3, 22, 24, 26}) EXPECT_FALSE(PassesCharFilter(true, digits, ctrl)) << int(ctrl); // ^C ^V ^X ^Z
    EXPECT_TRUE(PassesCharFilter(true, digits, 8));    // backspace, not listed
    EXPECT_TRUE(PassesCharFilter(true, "", 8));
    EXPECT_FALSE(PassesCharFilter(true, "", 'a'));
    EXPECT_TRUE(PassesCharFilter(false, "", 'a'));     // filter off
    EXPECT_TRUE(PassesCharFilter(false, digits, 22));
    EXPECT_TRUE(PassesCharFilter(true, "aab", 'a'));
    EXPECT_TRUE(PassesCharFilter(true, std::string_view("a\0b", 3), 0)); // a listed zero passes
    // A character with no single-byte form in the code page: never through the filter.
    EXPECT_FALSE(PassesCharFilter(true, digits, std::nullopt));
    EXPECT_FALSE(PassesCharFilter(true, std::string_view("?\0", 2), std::nullopt));
    EXPECT_TRUE(PassesCharFilter(false, digits, std::nullopt)); // filter off
}
