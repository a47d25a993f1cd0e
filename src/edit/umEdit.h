// Edit controls that paint their own text: TumEdit places it by Alignment while it has no
// focus and greys it when disabled; TumValidEdit lets only listed characters be typed.
// Both are the system's EDIT window, subclassed; all editing stays with it.
// https://learn.microsoft.com/windows/win32/controls/edit-controls
#pragma once

#include "../platform/Controls.h"
#include "../platform/Graphics.h"
#include "EditPaint.h"

class TumEdit : public TEdit {
public:
    TumEdit(TWinControl* parent, const TEditLayout& layout);

    TAlignment Alignment() const { return FAlignment; }
    virtual void SetAlignment(TAlignment value);
    TColor ColorDisabled() const { return FColorDisabled; }
    void SetColorDisabled(TColor value);
    TColor Color() const { return clWindow; }
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode value) { FBiDiMode = value; }
    bool HasFocusFlag() const { return FFocused; }
    virtual TControlCanvas& Canvas() { return FCanvas; }

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    virtual void SetFocused(bool value);

private:
    void PaintText(HDC messageDC);
    TTextMargins TextMargins();

    TColor FColorDisabled = clWindow;
    bool FFocused = false;
    TControlCanvas FCanvas;
    TAlignment FAlignment = taLeftJustify;
    TBiDiMode FBiDiMode = bdLeftToRight;
};

class TumValidEdit : public TumEdit {
public:
    TumValidEdit(TWinControl* parent, const TEditLayout& layout);

    std::string ValidChars;
    bool ValidateChars = true;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // A WM_CHAR's character as its code in the system's ANSI code page, if it has one.
    std::optional<unsigned char> AnsiChar(WPARAM ch) const;
};

// The system's Middle-East flag and the new-style-controls test (Windows 4 or later).
bool SysLocaleMiddleEast();
bool NewStyleControls();
