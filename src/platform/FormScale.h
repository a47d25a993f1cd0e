// How a scaled form fits a screen of another resolution: the form was designed at 96 pixels
// per inch, where its font's text height was 13 pixels. Its font is first resized to the
// screen's resolution; the layout (client area, the controls' bounds, the font) then grows
// by the text height of that font on this screen against the designed one. Pure C++.
#pragma once

// Where a control sits in its parent's client area, in pixels.
struct TBounds {
    int Left, Top, Width, Height;
};

struct TScaleRatio {
    int M = 1, D = 1; // multiply by M, divide by D
};

constexpr int DesignedPixelsPerInch = 96;
constexpr int DesignedTextHeight = 13;

// a * b / c, rounded half away from zero, as Windows' MulDiv.
int MulDivRound(int a, int b, int c);

// The designed font height (negative: a character height) resized to this screen.
int ScreenFontHeight(int designedHeight, int screenPixelsPerInch);
// The ratio from the text height of the resized font on this screen.
TScaleRatio FormScaleRatio(int screenTextHeight);
int Scale(int value, TScaleRatio ratio);
// Edges scale, so that neighbours stay neighbours: the width is the scaled right edge less
// the scaled left edge.
TBounds Scale(const TBounds& bounds, TScaleRatio ratio);
