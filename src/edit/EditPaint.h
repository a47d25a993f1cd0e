// The arithmetic of the aligned edit's own painting and the valid edit's character
// filter. Pure C++ (no windows.h), tested natively.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

enum TAlignment : std::uint8_t { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };
enum TBiDiMode : std::uint8_t { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

// The control aligns right to left: the system's Middle-East flag and bdRightToLeft.
bool UsesRightToLeftAlignment(bool middleEast, TBiDiMode mode);

// Left while focused, else Alignment; then left and right swap under right-to-left alignment.
TAlignment EffectiveAlignment(TAlignment alignment, bool focused, bool rightToLeftAlignment);

// The extended style after the right-to-left update: WS_EX_RIGHT, WS_EX_RTLREADING and
// WS_EX_LEFTSCROLLBAR cleared, then set as the mode and the effective alignment ask.
std::uint32_t RightToLeftExStyle(std::uint32_t exStyle, TBiDiMode mode, bool rightToLeftAlignment, TAlignment effective);

struct TTextMargins {
    int X, Y;
};

// With new-style controls: the edit's left margin plus the border allowance.
TTextMargins NewStyleMargins(bool borderNone, bool ctl3D, int editLeftMargin);
// Without: a quarter of the smaller of the screen font's and the control font's height.
TTextMargins OldStyleMargins(bool borderNone, int screenFontHeight, int controlFontHeight);

// Whether the one-pixel frame is drawn (and the output clipped one pixel inside it).
bool DrawsFrame(bool borderSingle, bool newStyleControls, bool ctl3D);

// Where the text starts: C is the full client width, W the width of the text.
int TextX(TAlignment effective, int clientWidth, int textWidth, TTextMargins margins);

// Whether a typed character reaches the edit. ch is its code in the ANSI code page, or none
// when it has no single-byte form there. With the filter off every character does; with it
// on, backspace and the listed characters do, and a character without a code never does.
bool PassesCharFilter(bool validateChars, std::string_view validChars, std::optional<unsigned char> ch);
