#include "EditPaint.h"

namespace {
constexpr std::uint32_t ExRight = 0x1000, ExRtlReading = 0x2000, ExLeftScrollBar = 0x4000;
constexpr unsigned char Backspace = 8;
} // namespace

bool UsesRightToLeftAlignment(bool middleEast, TBiDiMode mode) { return middleEast && mode == bdRightToLeft; }

TAlignment EffectiveAlignment(TAlignment alignment, bool focused, bool rightToLeftAlignment) {
    TAlignment a = focused ? taLeftJustify : alignment;
    if (rightToLeftAlignment && a != taCenter) a = a == taLeftJustify ? taRightJustify : taLeftJustify;
    return a;
}

std::uint32_t RightToLeftExStyle(std::uint32_t exStyle, TBiDiMode mode, bool rightToLeftAlignment, TAlignment effective) {
    std::uint32_t style = (exStyle & ~(ExRight | ExRtlReading | ExLeftScrollBar)) | ExRtlReading;
    if (mode == bdRightToLeft || mode == bdRightToLeftNoAlign) style |= ExLeftScrollBar;
    // WS_EX_RIGHT for right-justified text in a left-to-right control and for
    // left-justified text in a right-to-left one; centred text takes WS_EX_LEFT (0).
    if (effective == (rightToLeftAlignment ? taLeftJustify : taRightJustify)) style |= ExRight;
    return style;
}

TTextMargins NewStyleMargins(bool borderNone, bool ctl3D, int editLeftMargin) {
    const int allowance = borderNone ? 0 : (ctl3D ? 1 : 2);
    return {editLeftMargin + allowance, allowance};
}

TTextMargins OldStyleMargins(bool borderNone, int screenFontHeight, int controlFontHeight) {
    const int i = borderNone ? 0 : (screenFontHeight < controlFontHeight ? screenFontHeight : controlFontHeight) / 4;
    return {i, i};
}

bool DrawsFrame(bool borderSingle, bool newStyleControls, bool ctl3D) {
    return borderSingle && (!newStyleControls || !ctl3D);
}

int TextX(TAlignment effective, int clientWidth, int textWidth, TTextMargins margins) {
    switch (effective) {
    case taRightJustify:
        return clientWidth - textWidth - margins.X - 1;
    case taCenter:
        return (clientWidth - textWidth) / 2; // C++ division truncates toward zero
    case taLeftJustify:
    default:
        return margins.X;
    }
}

bool PassesCharFilter(bool validateChars, std::string_view validChars, std::optional<unsigned char> ch) {
    if (!validateChars) return true;
    if (!ch) return false;
    if (*ch == Backspace) return true;
    return validChars.find(static_cast<char>(*ch)) != std::string_view::npos;
}
