// The controls the two windows are made of: panels, a label, the speed button, the OK bit
// button and the single-line edits. Each is one window bound to its object (Forms.h).
#pragma once

#include "Forms.h"
#include "Graphics.h"

#include <commctrl.h>

enum class TPanelBevel { bvNone, bvLowered, bvRaised };
enum class TCursor { crDefault, crHandPoint };

struct TPanelLayout {
    TBounds Bounds;
    const char* Caption;
    TPanelBevel BevelOuter, BevelInner;
    // The caption's font is the form's, in this colour, underlined when asked.
    TColor FontColor = clBtnText;
    bool Underline = false;
    TCursor Cursor = TCursor::crDefault;
};

// A click is a press and a release both on the panel: it holds the mouse from the press.
class TPanel : public TWinControl {
public:
    TPanel(TWinControl* parent, const TPanelLayout& layout);
    TNotifyEvent OnClick;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc);
    HFONT CaptionFont();
    TPanelBevel FOuter, FInner;
    TColor FFontColor;
    bool FUnderline;
    TCursor FCursor;
    UniqueFont FUnderlinedFont;
    bool FPressed = false;
};

class TLabel : public TWinControl {
public:
    TLabel(TWinControl* parent, const TBounds& bounds, const char* caption);
};

// A button worked with the mouse only: it never takes the keyboard focus. The glyph sits
// above the caption, both centred; the colour of its lower-left pixel is transparent.
class TSpeedButton : public TWinControl {
public:
    TSpeedButton(TWinControl* parent, const TBounds& bounds, const char* caption, const char* glyphResource, int spacing);
    TNotifyEvent OnClick;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc);
    UniqueImageList FGlyph;
    int FSpacing;
    bool FTracking = false, FDown = false;
};

// The OK kind of bit button: caption "OK" beside a check-mark glyph, whose background (the
// colour of its lower-left pixel) shows the button face; a click closes the form with the
// OK result.
class TBitBtn : public TWinControl {
public:
    TBitBtn(TWinControl* parent, const TBounds& bounds, const char* glyphResource);
    void Click();

protected:
    void Notify(WORD code) override;

private:
    UniqueImageList FGlyph;
};

enum class TBorderStyle { bsNone, bsSingle };

struct TEditLayout {
    TBounds Bounds;
    const char* Text;
    char PasswordChar = 0;
    bool Ctl3D = true;
    TBorderStyle BorderStyle = TBorderStyle::bsSingle;
};

// A single-line edit: the system's EDIT window, subclassed.
class TEdit : public TWinControl {
public:
    TEdit(TWinControl* parent, const TEditLayout& layout);
    TNotifyEvent OnChange;

    std::string Text() const;
    // A text equal to the current one is no change; another raises OnChange once, here,
    // so that an error in the handler reaches the caller.
    void SetText(const std::string& text);
    char PasswordChar() const { return FPasswordChar; }
    bool Ctl3D() const { return FCtl3D; }
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void EnterByKeyboard(bool forward) override;

protected:
    virtual void Change();
    void Notify(WORD code) override;

private:
    char FPasswordChar;
    bool FCtl3D;
    TBorderStyle FBorderStyle;
    bool FSettingText = false;
};

// The class library's masked edit, used here without a mask: a plain edit.
class TMaskEdit : public TEdit {
public:
    using TEdit::TEdit;
};
