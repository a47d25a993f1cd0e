#include "Graphics.h"

COLORREF ColorToRGB(TColor color) {
    return color < 0 ? GetSysColor(color & 0xFF) : static_cast<COLORREF>(color);
}

void TControlCanvas::SetHandle(HDC dc) {
    if (FDC && FOldFont) SelectObject(FDC, FOldFont);
    FOldFont = nullptr;
    FDC = dc;
}

void TControlCanvas::AssignFont(HFONT source) {
    // The copy is made when the control's font changes, not at every paint.
    if (!source) source = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    if (!FFont || source != FFontSource) {
        LOGFONTA lf{};
        GetObjectA(source, sizeof lf, &lf);
        UniqueFont copy(CreateFontIndirectA(&lf));
        if (FDC && FOldFont) SelectObject(FDC, copy.Get()); // the old copy is about to go
        FFont = std::move(copy);
        FFontSource = source;
    }
    HGDIOBJ old = SelectObject(FDC, FFont.Get());
    if (!FOldFont) FOldFont = old;
    FontColor = clWindowText;
}

void TControlCanvas::FrameRect(const RECT& r) {
    // One brush, made again only when the colour changes.
    if (!FBrush || BrushColor != FBrushColor) {
        FBrush.Reset(CreateSolidBrush(ColorToRGB(BrushColor)));
        FBrushColor = BrushColor;
    }
    ::FrameRect(FDC, &r, FBrush.Get());
}

int TControlCanvas::TextWidth(const std::string& text) {
    SIZE size{};
    GetTextExtentPoint32A(FDC, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

void TControlCanvas::TextRect(const RECT& r, int x, int y, const std::string& text) {
    SetBkColor(FDC, ColorToRGB(BrushColor));
    SetTextColor(FDC, ColorToRGB(FontColor));
    UINT options = ETO_OPAQUE | ETO_CLIPPED;
    if (RightToLeftReading) options |= ETO_RTLREADING;
    ExtTextOutA(FDC, x, y, options, &r, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}
