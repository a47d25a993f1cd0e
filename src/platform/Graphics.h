// Colours and the canvas the aligned edit paints on.
#pragma once

#include "Handles.h"

#include <cstdint>
#include <string>

// A colour: an RGB value, or 0xFF000000 plus a system colour index.
using TColor = std::int32_t;
constexpr TColor SystemColor(int index) { return static_cast<TColor>(0xFF000000u | static_cast<std::uint32_t>(index)); }
constexpr TColor clWindow = SystemColor(COLOR_WINDOW);
constexpr TColor clWindowFrame = SystemColor(COLOR_WINDOWFRAME);
constexpr TColor clGrayText = SystemColor(COLOR_GRAYTEXT);
constexpr TColor clWindowText = SystemColor(COLOR_WINDOWTEXT);
constexpr TColor clBtnText = SystemColor(COLOR_BTNTEXT);
constexpr TColor clBlue = 0xFF0000; // RGB(0, 0, 255)
COLORREF ColorToRGB(TColor color);

// A canvas bound to a control: attached to a device context only while it paints.
class TControlCanvas {
public:
    TControlCanvas() = default;
    TControlCanvas(const TControlCanvas&) = delete;
    TControlCanvas& operator=(const TControlCanvas&) = delete;

    HDC Handle() const { return FDC; }
    void SetHandle(HDC dc); // 0 detaches
    void AssignFont(HFONT source); // a copy of the font, in the window-text colour
    TColor FontColor = clWindowText;
    TColor BrushColor = clWindow;
    bool RightToLeftReading = false;

    void FrameRect(const RECT& r);
    int TextWidth(const std::string& text);
    // Fill r with the brush colour and draw text from (x, y), clipped to r.
    void TextRect(const RECT& r, int x, int y, const std::string& text);

    // The copy of the font and the frame brush, kept between paints.
    HFONT FontHandle() const { return FFont.Get(); }
    HBRUSH BrushHandle() const { return FBrush.Get(); }

private:
    HDC FDC = nullptr;
    UniqueFont FFont;
    HFONT FFontSource = nullptr;
    HGDIOBJ FOldFont = nullptr;
    UniqueBrush FBrush;
    TColor FBrushColor = clWindow;
};
