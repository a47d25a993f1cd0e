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
    LOGFONTA lf{};
    GetObjectA(source ? source : GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    UniqueFont copy(CreateFontIndirectA(&lf));
    HGDIOBJ old = SelectObject(FDC, copy.Get());
    if (!FOldFont) FOldFont = old;
    FFont = std::move(copy);
    FontColor = clWindowText;
}

void TControlCanvas::FrameRect(const RECT& r) {
    UniqueBrush brush(CreateSolidBrush(ColorToRGB(BrushColor)));
    ::FrameRect(FDC, &r, brush.Get());
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
