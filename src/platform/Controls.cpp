#include "Controls.h"

#include <utility>

namespace {

// A glyph bitmap as a one-image list whose background, the colour of its lower-left pixel,
// is drawn transparent. A 24-bit bitmap has no colour table for the load flags
// (LR_LOADTRANSPARENT) to work on, so the mask is made from that colour here.
UniqueImageList MaskedGlyph(const char* resource) {
    UniqueBitmap bitmap(static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), resource, IMAGE_BITMAP, 0, 0, 0)));
    if (!bitmap) return {};
    BITMAP bm{};
    GetObjectA(bitmap.Get(), sizeof bm, &bm);
    COLORREF background;
    {
        UniqueDC mem(CreateCompatibleDC(nullptr));
        SelectGuard select(mem.Get(), bitmap.Get());
        background = GetPixel(mem.Get(), 0, bm.bmHeight - 1);
    }
    UniqueImageList list(ImageList_Create(bm.bmWidth, bm.bmHeight, ILC_COLOR24 | ILC_MASK, 1, 0));
    ImageList_AddMasked(list.Get(), bitmap.Get(), background);
    return list;
}

} // namespace

TPanel::TPanel(TWinControl* parent, const TPanelLayout& layout)
    : TWinControl(parent), FOuter(layout.BevelOuter), FInner(layout.BevelInner), FFontColor(layout.FontColor),
      FUnderline(layout.Underline), FCursor(layout.Cursor) {
    CreateOwn(layout.Caption, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, layout.Bounds);
}

LRESULT TPanel::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: {
        PaintCycle paint(Handle());
        Paint(paint.Get());
        return 0;
    }
    case WM_SETCURSOR:
        if (FCursor == TCursor::crHandPoint && LOWORD(lParam) == HTCLIENT) {
            SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
            return TRUE;
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetCapture(Handle());
        FPressed = true;
        return 0;
    case WM_LBUTTONUP: {
        const bool click = FPressed && MouseInClient(lParam);
        FPressed = false;
        if (GetCapture() == Handle()) ReleaseCapture();
        if (click && OnClick) OnClick(this);
        return 0;
    }
    case WM_CAPTURECHANGED: // another window took the mouse: this press makes no click
        FPressed = false;
        return 0;
    }
    return TWinControl::WndProc(msg, wParam, lParam);
}

HFONT TPanel::CaptionFont() {
    if (!FUnderline) return FormFont();
    if (!FUnderlinedFont) {
        LOGFONTA lf{};
        GetObjectA(FormFont(), sizeof lf, &lf);
        lf.lfUnderline = TRUE;
        FUnderlinedFont.Reset(CreateFontIndirectA(&lf));
    }
    return FUnderlinedFont.Get();
}

void TPanel::Paint(HDC dc) {
    RECT r = ClientRect();
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    for (TPanelBevel bevel : {FOuter, FInner}) {
        if (bevel == TPanelBevel::bvNone) continue;
        DrawEdge(dc, &r, bevel == TPanelBevel::bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    }
    const std::string caption = Caption();
    if (caption.empty()) return;
    SelectGuard font(dc, CaptionFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(FFontColor));
    DrawTextA(dc, caption.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

TLabel::TLabel(TWinControl* parent, const TBounds& bounds, const char* caption) : TWinControl(parent) {
    // One line, never wrapped: a font wider than the layout's clips the end instead.
    CreateSystem("STATIC", caption, SS_LEFTNOWORDWRAP, 0, bounds);
}

TSpeedButton::TSpeedButton(TWinControl* parent, const TBounds& bounds, const char* caption, const char* glyphResource,
                           int spacing)
    : TWinControl(parent), FGlyph(MaskedGlyph(glyphResource)), FSpacing(spacing) {
    CreateOwn(caption, WS_CHILD | WS_VISIBLE, 0, bounds);
}

LRESULT TSpeedButton::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: {
        PaintCycle paint(Handle());
        Paint(paint.Get());
        return 0;
    }
    case WM_LBUTTONDOWN: // no SetFocus: the button is worked with the mouse
    case WM_LBUTTONDBLCLK:
        SetCapture(Handle());
        FTracking = FDown = true;
        Invalidate();
        return 0;
    case WM_MOUSEMOVE:
        if (FTracking && FDown != MouseInClient(lParam)) {
            FDown = !FDown;
            Invalidate();
        }
        return 0;
    case WM_LBUTTONUP: {
        if (!FTracking) return 0;
        const bool click = MouseInClient(lParam);
        FTracking = FDown = false;
        ReleaseCapture();
        Invalidate();
        if (click && OnClick) OnClick(this);
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (FTracking) {
            FTracking = FDown = false;
            Invalidate();
        }
        return 0;
    }
    return TWinControl::WndProc(msg, wParam, lParam);
}

void TSpeedButton::Paint(HDC dc) {
    RECT r = ClientRect();
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &r, FDown ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    SelectGuard font(dc, FormFont());
    const std::string caption = Caption();
    SIZE text{};
    GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
    int glyphWidth = 0, glyphHeight = 0;
    if (FGlyph) ImageList_GetIconSize(FGlyph.Get(), &glyphWidth, &glyphHeight);

    // Glyph above caption, the pair centred, shifted by one pixel while pressed.
    const int shift = FDown ? 1 : 0;
    const int total = glyphHeight + (glyphHeight ? FSpacing : 0) + text.cy;
    const int top = (r.bottom - total) / 2 + shift;
    if (FGlyph) ImageList_Draw(FGlyph.Get(), 0, dc, (r.right - glyphWidth) / 2 + shift, top, ILD_TRANSPARENT);
    RECT textRect{shift, top + glyphHeight + FSpacing, r.right + shift, top + total};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextA(dc, caption.c_str(), -1, &textRect, DT_CENTER | DT_TOP | DT_SINGLELINE);
}

TBitBtn::TBitBtn(TWinControl* parent, const TBounds& bounds, const char* glyphResource) : TWinControl(parent) {
    CreateSystem("BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 0, bounds);
    FGlyph = MaskedGlyph(glyphResource);
    if (!FGlyph) return;
    BUTTON_IMAGELIST list{FGlyph.Get(), {2, 0, 2, 0}, BUTTON_IMAGELIST_ALIGN_LEFT};
    Perform(BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&list));
}

void TBitBtn::Click() { Form()->ModalResult = mrOk; }

void TBitBtn::Notify(WORD code) {
    if (code == BN_CLICKED) Click();
}

TEdit::TEdit(TWinControl* parent, const TEditLayout& layout)
    : TWinControl(parent), FPasswordChar(layout.PasswordChar), FCtl3D(layout.Ctl3D), FBorderStyle(layout.BorderStyle) {
    DWORD style = WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT;
    DWORD exStyle = 0;
    if (FBorderStyle == TBorderStyle::bsSingle) {
        if (FCtl3D)
            exStyle |= WS_EX_CLIENTEDGE;
        else
            style |= WS_BORDER;
    }
    if (FPasswordChar) style |= ES_PASSWORD;
    FSettingText = true; // the layout's text is no change
    CreateSystem("EDIT", layout.Text, style, exStyle, layout.Bounds);
    FSettingText = false;
    if (FPasswordChar) Perform(EM_SETPASSWORDCHAR, static_cast<unsigned char>(FPasswordChar), 0);
    Perform(EM_SETLIMITTEXT, 0, 0); // no length limit
}

std::string TEdit::Text() const { return Caption(); }

void TEdit::SetText(const std::string& text) {
    if (text == Text()) return;
    FSettingText = true;
    SetWindowTextA(Handle(), text.c_str());
    FSettingText = false;
    Change();
}

void TEdit::Change() {
    if (OnChange) OnChange(this);
}

void TEdit::Notify(WORD code) {
    if (code == EN_CHANGE && !FSettingText) Change();
}

void TEdit::EnterByKeyboard(bool) {
    SetFocus();
    Perform(EM_SETSEL, 0, -1);
}
