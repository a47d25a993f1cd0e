#include "FormScale.h"

int MulDivRound(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(((product < 0) != (c < 0) ? product - half : product + half) / c);
}

int ScreenFontHeight(int designedHeight, int screenPixelsPerInch) {
    return MulDivRound(designedHeight, screenPixelsPerInch, DesignedPixelsPerInch);
}

TScaleRatio FormScaleRatio(int screenTextHeight) {
    if (screenTextHeight <= 0) return {};
    return {screenTextHeight, DesignedTextHeight};
}

int Scale(int value, TScaleRatio ratio) { return MulDivRound(value, ratio.M, ratio.D); }

TBounds Scale(const TBounds& b, TScaleRatio ratio) {
    const int left = Scale(b.Left, ratio), top = Scale(b.Top, ratio);
    return {left, top, Scale(b.Left + b.Width, ratio) - left, Scale(b.Top + b.Height, ratio) - top};
}
