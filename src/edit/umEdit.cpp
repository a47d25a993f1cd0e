#include "umEdit.h"

#include <optional>

bool SysLocaleMiddleEast() { return GetSystemMetrics(SM_MIDEASTENABLED) != 0; }

bool NewStyleControls() { return LOBYTE(LOWORD(GetVersion())) >= 4; }

TumEdit::TumEdit(TWinControl* parent, const TEditLayout& layout) : TEdit(parent, layout) {}

void TumEdit::SetAlignment(TAlignment value) {
    if (value == FAlignment) return;
    FAlignment = value;
    Invalidate();
}

void TumEdit::SetColorDisabled(TColor value) {
    if (value == FColorDisabled) return;
    FColorDisabled = value;
    Invalidate();
}

void TumEdit::SetFocused(bool value) {
    if (value != FFocused) FFocused = value;
}

LRESULT TumEdit::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: {
        const bool middleEast = SysLocaleMiddleEast();
        const bool rtl = UsesRightToLeftAlignment(middleEast, FBiDiMode);
        if (middleEast && FBiDiMode != bdLeftToRight) {
            const auto style = static_cast<std::uint32_t>(GetWindowLongA(Handle(), GWL_EXSTYLE));
            const auto wanted = RightToLeftExStyle(style, FBiDiMode, rtl, EffectiveAlignment(FAlignment, FFocused, rtl));
            if (static_cast<std::uint32_t>(GetWindowLongA(Handle(), GWL_EXSTYLE)) != wanted)
                SetWindowLongA(Handle(), GWL_EXSTYLE, static_cast<LONG>(wanted));
        }
        PaintText(reinterpret_cast<HDC>(wParam));
        return Inherited(msg, wParam, lParam);
    }
    case WM_SETFOCUS: {
        SetFocused(true);
        return TEdit::WndProc(msg, wParam, lParam);
    }
    case WM_KILLFOCUS: {
        const LRESULT result = TEdit::WndProc(msg, wParam, lParam);
        SetFocused(false);
        Invalidate();
        return result;
    }
    }
    return TEdit::WndProc(msg, wParam, lParam);
}

TTextMargins TumEdit::TextMargins() {
    const bool borderNone = BorderStyle() == TBorderStyle::bsNone;
    if (NewStyleControls())
        return NewStyleMargins(borderNone, Ctl3D(), LOWORD(Perform(EM_GETMARGINS, 0, 0)));
    if (borderNone) return OldStyleMargins(true, 0, 0);
    WindowDC screen(nullptr);
    TEXTMETRICA screenMetrics{}, fontMetrics{};
    GetTextMetricsA(screen.Get(), &screenMetrics);
    {
        SelectGuard font(screen.Get(), FormFont());
        GetTextMetricsA(screen.Get(), &fontMetrics);
    }
    return OldStyleMargins(false, screenMetrics.tmHeight, fontMetrics.tmHeight);
}

namespace {

// The canvas is attached for one paint and detached however the paint ends.
class CanvasAttachment {
public:
    CanvasAttachment(TControlCanvas& canvas, HDC dc) : FCanvas(canvas) { FCanvas.SetHandle(dc); }
    ~CanvasAttachment() { FCanvas.SetHandle(nullptr); }
    CanvasAttachment(const CanvasAttachment&) = delete;
    CanvasAttachment& operator=(const CanvasAttachment&) = delete;

private:
    TControlCanvas& FCanvas;
};

} // namespace

void TumEdit::PaintText(HDC messageDC) {
    // The paint cycle is declared first so that it ends after the canvas is detached.
    std::optional<PaintCycle> cycle;
    if (!messageDC) cycle.emplace(Handle());
    TControlCanvas& canvas = Canvas();
    CanvasAttachment attachment(canvas, messageDC ? messageDC : cycle->Get());

    canvas.AssignFont(FormFont());
    RECT r = ClientRect();
    if (DrawsFrame(BorderStyle() == TBorderStyle::bsSingle, NewStyleControls(), Ctl3D())) {
        canvas.BrushColor = clWindowFrame;
        canvas.FrameRect(r);
        InflateRect(&r, -1, -1);
    }
    canvas.BrushColor = Enabled() ? Color() : FColorDisabled;
    if (!Enabled()) canvas.FontColor = clGrayText;

    std::string s = Text();
    if (PasswordChar()) s.assign(s.size(), PasswordChar());

    const TTextMargins m = TextMargins();
    const bool rtl = UsesRightToLeftAlignment(SysLocaleMiddleEast(), FBiDiMode);
    const int x = TextX(EffectiveAlignment(FAlignment, FFocused, rtl), ClientWidth(), canvas.TextWidth(s), m);
    if (SysLocaleMiddleEast()) canvas.RightToLeftReading = FBiDiMode != bdLeftToRight;
    canvas.TextRect(r, x, m.Y, s);
}

TumValidEdit::TumValidEdit(TWinControl* parent, const TEditLayout& layout) : TumEdit(parent, layout) {}

std::optional<unsigned char> TumValidEdit::AnsiChar(WPARAM ch) const {
    // Common controls 6 make the edit a Unicode window: its WM_CHAR carries a UTF-16 unit,
    // converted here exactly (no best-fit "3" for an Arabic-Indic three).
    if (!IsWindowUnicode(Handle())) return static_cast<unsigned char>(ch);
    const auto unit = static_cast<wchar_t>(ch);
    char bytes[2];
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &unit, 1, bytes, sizeof bytes, nullptr, &usedDefault);
    if (n != 1 || usedDefault) return std::nullopt;
    return static_cast<unsigned char>(bytes[0]);
}

LRESULT TumValidEdit::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CHAR && !PassesCharFilter(ValidateChars, ValidChars, AnsiChar(wParam)))
        return 0; // dropped without a sound
    return TumEdit::WndProc(msg, wParam, lParam);
}
