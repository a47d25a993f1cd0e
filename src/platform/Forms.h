// The thin class library the program is written on: the application object and forms
// (here), the controls (Controls.h), the system's dialogs and the shell (Dialogs.h).
// Each window or subclassed control is one C++ object, bound to its HWND in one place
// (TWinControl::Bind); every window procedure that Win32 calls goes through TWinControl's
// trampolines, which are the only place an exception is caught and shown
// (TApplication::HandleException).
#pragma once

#include "FormScale.h"
#include "Handles.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TObject {
public:
    virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

enum TModalResult { mrNone = 0, mrOk = IDOK, mrCancel = IDCANCEL };

class TForm;


class TWinControl : public TObject {
public:
    ~TWinControl() override;
    TWinControl(const TWinControl&) = delete;
    TWinControl& operator=(const TWinControl&) = delete;

    HWND Handle() const { return FHandle; }
    TWinControl* Parent() const { return FParent; }
    TForm* Form();

    std::string Caption() const;
    bool Enabled() const { return IsWindowEnabled(FHandle) != FALSE; }
    void SetEnabled(bool enabled) { EnableWindow(FHandle, enabled); }
    bool Focused() const { return GetFocus() == FHandle; }
    void SetFocus() { ::SetFocus(FHandle); }
    void Invalidate() { InvalidateRect(FHandle, nullptr, TRUE); }
    int ClientWidth() const;
    RECT ClientRect() const;
    LRESULT Perform(UINT msg, WPARAM wParam, LPARAM lParam) { return SendMessageA(FHandle, msg, wParam, lParam); }

    // Focus given by the keyboard (Tab, Shift+Tab, a form being shown): edits select all.
    virtual void EnterByKeyboard(bool forward);
    // Tab inside the control itself; false when the focus should leave it.
    virtual bool TabWithin(bool forward) { (void)forward; return false; }

    static TWinControl* FromHandle(HWND wnd);
    // The bound control that owns a window: the window itself or its nearest bound parent.
    static TWinControl* OwnerOf(HWND wnd);

protected:
    explicit TWinControl(TWinControl* parent) : FParent(parent) {}

    // A window of our own class, painted and handled by this object.
    void CreateOwn(const char* caption, DWORD style, DWORD exStyle, const TBounds& bounds);
    // A window of a system class (EDIT, BUTTON, ...), subclassed to this object.
    void CreateSystem(const char* className, const char* caption, DWORD style, DWORD exStyle, const TBounds& bounds);

    // The router: turns messages into calls. Whatever it leaves goes to Inherited.
    virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Inherited(UINT msg, WPARAM wParam, LPARAM lParam);
    // A notification (WM_COMMAND) that this control sent to its parent.
    virtual void Notify(WORD code) { (void)code; }
    HFONT FormFont();
    // Whether the mouse position of a mouse message lies in the client area.
    bool MouseInClient(LPARAM lParam) const;

private:
    static LRESULT CALLBACK OwnWndProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    static LRESULT Dispatch(TWinControl* control, UINT msg, WPARAM wParam, LPARAM lParam);
    void Bind(HWND wnd);
    void Unbind();

    TWinControl* FParent;
    HWND FHandle = nullptr;
    bool FSubclassed = false;
};

class TMenuItem : public TObject {
public:
    TMenuItem(std::string caption, std::vector<TMenuItem*> items = {}) : Caption(std::move(caption)), Items(std::move(items)) {}
    void Click() { if (OnClick) OnClick(this); }

    std::string Caption; // "-" is a separator line
    std::vector<TMenuItem*> Items;
    TNotifyEvent OnClick;
    UINT Command = 0; // given when the menu is built
};

class TMainMenu {
public:
    explicit TMainMenu(std::vector<TMenuItem*> items) : Items(std::move(items)) {}
    HMENU Build(); // the form's window owns the result
    TMenuItem* Find(UINT command) const;
    std::vector<TMenuItem*> Items;
};

enum class TFormBorderStyle { bsSingle, bsDialog };

struct TFormLayout {
    const char* Caption;
    int ClientWidth, ClientHeight;
    TFormBorderStyle BorderStyle;
    bool MinimizeBox;
    // Designed at 96 pixels per inch: grow with the screen's font size (FormScale.h).
    bool Scaled = false;
};

class TForm : public TWinControl {
public:
    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TModalResult ModalResult = mrNone;

    void Show();
    int ShowModal();
    HFONT Font() const { return FFont.Get(); }
    TScaleRatio ScaleRatio() const { return FScale; }

protected:
    explicit TForm(const TFormLayout& layout);
    // The menu's items are the form's members, so the menu comes once they exist.
    void SetMainMenu(TMainMenu* menu);
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    // The focusable controls in tab order, and the button that Enter clicks.
    std::vector<TWinControl*> TabOrder;
    class TBitBtn* DefaultButton = nullptr;

private:
    friend class TApplication;
    void DoCreate();
    void DoShow();
    void CenterOnScreen();
    bool DialogKey(const MSG& msg);
    // The control that had the focus when the form was last left, and the way back to it.
    void RememberFocus();
    bool RestoreFocus();
    void SelectNext(TWinControl* current, bool forward);

    UniqueFont FFont;
    TScaleRatio FScale;
    TMainMenu* FMenu = nullptr;
    int FClientWidth, FClientHeight;
    bool FShownBefore = false;
    bool FModal = false;
    HWND FActiveControl = nullptr;
};

class TApplication {
public:
    std::string Title;
    // Work for the time after start-up: run once, when the program is first idle and the next
    // message arrives (the user's first move), before that message is handled.
    TNotifyEvent OnReady;

    template <class F>
    F* CreateForm() {
        auto form = std::make_unique<F>();
        F* raw = form.get();
        FForms.push_back(std::move(form));
        if (!FMainForm) FMainForm = raw;
        raw->DoCreate();
        return raw;
    }
    TForm* MainForm() const { return FMainForm; }
    void Run();
    bool HandleMessage(); // false once the quit request has been reached
    void Terminate() { PostQuitMessage(0); }
    bool Terminated() const { return FTerminated; }
    // The error box for the exception being handled: stop icon, the title as caption.
    void HandleException();
    void ProcessMessage(MSG& msg);
    void Initialize();
    void DestroyForms();

private:
    std::vector<std::unique_ptr<TForm>> FForms;
    TForm* FMainForm = nullptr;
    bool FTerminated = false;
};

extern TApplication* Application;

// Runs f; an exception that leaves it is shown in the error box instead. True when f finished.
template <class F>
bool Protect(F&& f) {
    try {
        f();
        return true;
    } catch (...) {
        Application->HandleException();
        return false;
    }
}
