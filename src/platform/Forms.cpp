#include "Forms.h"

#include "Controls.h" // the default button
#include "Dialogs.h"
#include "SysUtils.h"

#include <commctrl.h>

#include <exception>

namespace {

TApplication TheApplication;

// The window property that binds a window to its C++ object.
constexpr char BindingProp[] = "Vemko.Object";
// Our windows' classes: controls and forms with the program icon, and dialog-framed forms
// without one.
constexpr char OwnClass[] = "Vemko.Control";
constexpr char DialogClass[] = "Vemko.Dialog";
constexpr UINT_PTR SubclassId = 1;

const char* RegisterOwnClass(WNDPROC proc, bool dialog) {
    static bool registered[2] = {};
    const char* name = dialog ? DialogClass : OwnClass;
    if (registered[dialog]) return name;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hIcon = dialog ? nullptr : LoadIconA(wc.hInstance, "MAINICON");
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = name;
    RegisterClassExA(&wc);
    registered[dialog] = true;
    return name;
}

BOOL CALLBACK CollectEnabledWindow(HWND wnd, LPARAM list) {
    if (IsWindowVisible(wnd) && IsWindowEnabled(wnd)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(wnd);
    return TRUE;
}

} // namespace

TApplication* Application = &TheApplication;

// ---- TWinControl -------------------------------------------------------------------------

TWinControl::~TWinControl() {
    if (FHandle) DestroyWindow(FHandle);
}

TForm* TWinControl::Form() {
    TWinControl* c = this;
    while (c->FParent) c = c->FParent;
    return static_cast<TForm*>(c);
}

HFONT TWinControl::FormFont() { return Form()->Font(); }

std::string TWinControl::Caption() const {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(FHandle)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(FHandle, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool TWinControl::MouseInClient(LPARAM lParam) const {
    const POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    const RECT r = ClientRect();
    return PtInRect(&r, p) != FALSE;
}

int TWinControl::ClientWidth() const { return ClientRect().right; }

RECT TWinControl::ClientRect() const {
    RECT r{};
    GetClientRect(FHandle, &r);
    return r;
}

void TWinControl::EnterByKeyboard(bool) { SetFocus(); }

TWinControl* TWinControl::FromHandle(HWND wnd) {
    return wnd ? static_cast<TWinControl*>(GetPropA(wnd, BindingProp)) : nullptr;
}

TWinControl* TWinControl::OwnerOf(HWND wnd) {
    for (; wnd; wnd = GetParent(wnd))
        if (TWinControl* c = FromHandle(wnd)) return c;
    return nullptr;
}

void TWinControl::Bind(HWND wnd) {
    FHandle = wnd;
    SetPropA(wnd, BindingProp, this);
}

void TWinControl::Unbind() {
    RemovePropA(FHandle, BindingProp);
    FHandle = nullptr;
}

void TWinControl::CreateOwn(const char* caption, DWORD style, DWORD exStyle, const TBounds& bounds) {
    const TBounds b = FParent ? Scale(bounds, Form()->ScaleRatio()) : bounds;
    const char* className = RegisterOwnClass(OwnWndProc, (exStyle & WS_EX_DLGMODALFRAME) != 0);
    CreateWindowExA(exStyle, className, caption, style, b.Left, b.Top, b.Width, b.Height,
                    FParent ? FParent->FHandle : nullptr, nullptr, GetModuleHandleA(nullptr), this);
}

void TWinControl::CreateSystem(const char* className, const char* caption, DWORD style, DWORD exStyle,
                               const TBounds& bounds) {
    const TBounds b = Scale(bounds, Form()->ScaleRatio());
    HWND wnd = CreateWindowExA(exStyle, className, caption, style | WS_CHILD | WS_VISIBLE, b.Left, b.Top, b.Width,
                               b.Height, FParent->FHandle, nullptr, GetModuleHandleA(nullptr), nullptr);
    Bind(wnd);
    FSubclassed = true;
    SetWindowSubclass(wnd, SubclassProc, SubclassId, reinterpret_cast<DWORD_PTR>(this));
    SendMessageA(wnd, WM_SETFONT, reinterpret_cast<WPARAM>(FormFont()), FALSE);
}

LRESULT CALLBACK TWinControl::OwnWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* control = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        control->Bind(wnd);
    }
    TWinControl* control = FromHandle(wnd);
    if (!control) return DefWindowProcA(wnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        control->Unbind();
        return DefWindowProcA(wnd, msg, wParam, lParam);
    }
    return Dispatch(control, msg, wParam, lParam);
}

LRESULT CALLBACK TWinControl::SubclassProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR data) {
    auto* control = reinterpret_cast<TWinControl*>(data);
    if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(wnd, SubclassProc, SubclassId);
        control->Unbind();
        return DefSubclassProc(wnd, msg, wParam, lParam);
    }
    return Dispatch(control, msg, wParam, lParam);
}

// The exception firewall: nothing thrown by a handler unwinds through user32.
LRESULT TWinControl::Dispatch(TWinControl* control, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    Protect([&] { result = control->WndProc(msg, wParam, lParam); });
    return result;
}

LRESULT TWinControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
        if (TWinControl* child = lParam ? FromHandle(reinterpret_cast<HWND>(lParam)) : nullptr) {
            child->Notify(HIWORD(wParam));
            return 0;
        }
        break;
    }
    return Inherited(msg, wParam, lParam);
}

LRESULT TWinControl::Inherited(UINT msg, WPARAM wParam, LPARAM lParam) {
    return FSubclassed ? DefSubclassProc(FHandle, msg, wParam, lParam) : DefWindowProcA(FHandle, msg, wParam, lParam);
}

// ---- Menus -------------------------------------------------------------------------------

namespace {

HMENU BuildMenu(HMENU menu, const std::vector<TMenuItem*>& items, UINT& nextCommand) {
    for (TMenuItem* item : items) {
        if (item->Caption == "-") {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        } else if (!item->Items.empty()) {
            HMENU sub = BuildMenu(CreatePopupMenu(), item->Items, nextCommand);
            AppendMenuA(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub), item->Caption.c_str());
        } else {
            item->Command = nextCommand++;
            AppendMenuA(menu, MF_STRING, item->Command, item->Caption.c_str());
        }
    }
    return menu;
}

TMenuItem* FindItem(const std::vector<TMenuItem*>& items, UINT command) {
    for (TMenuItem* item : items) {
        if (item->Command == command && item->Items.empty() && item->Caption != "-") return item;
        if (TMenuItem* found = FindItem(item->Items, command)) return found;
    }
    return nullptr;
}

} // namespace

HMENU TMainMenu::Build() {
    UINT nextCommand = 100;
    return BuildMenu(CreateMenu(), Items, nextCommand);
}

TMenuItem* TMainMenu::Find(UINT command) const { return FindItem(Items, command); }

// ---- TForm -------------------------------------------------------------------------------

namespace {

// The forms' font, "MS Sans Serif" of this character height.
HFONT CreateFormFont(int height) {
    return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif");
}

int TextHeight(HDC dc, HFONT font) {
    SelectGuard select(dc, font);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    return tm.tmHeight;
}

} // namespace

TForm::TForm(const TFormLayout& layout) : TWinControl(nullptr) {
    constexpr int DesignedFontHeight = -11;
    int fontHeight = DesignedFontHeight;
    if (layout.Scaled) {
        WindowDC screen(nullptr);
        fontHeight = ScreenFontHeight(DesignedFontHeight, GetDeviceCaps(screen.Get(), LOGPIXELSY));
        if (fontHeight != DesignedFontHeight) {
            UniqueFont font(CreateFormFont(fontHeight));
            FScale = FormScaleRatio(TextHeight(screen.Get(), font.Get()));
        }
    }
    FFont.Reset(CreateFormFont(fontHeight));
    FClientWidth = Scale(layout.ClientWidth, FScale);
    FClientHeight = Scale(layout.ClientHeight, FScale);

    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    DWORD exStyle = WS_EX_CONTROLPARENT;
    if (layout.MinimizeBox) style |= WS_MINIMIZEBOX;
    if (layout.BorderStyle == TFormBorderStyle::bsDialog) exStyle |= WS_EX_DLGMODALFRAME;
    // The layout gives the client area; the frame comes around it.
    RECT r{0, 0, FClientWidth, FClientHeight};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    CreateOwn(layout.Caption, style, exStyle, {CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left, r.bottom - r.top});
}

void TForm::SetMainMenu(TMainMenu* menu) {
    FMenu = menu;
    SetMenu(Handle(), menu->Build());
    // The menu bar takes its height from the window: grow the window until the client
    // area is the layout's again, however many lines the bar wraps to.
    RECT client{}, w{};
    GetClientRect(Handle(), &client);
    GetWindowRect(Handle(), &w);
    SetWindowPos(Handle(), nullptr, 0, 0, w.right - w.left + FClientWidth - client.right,
                 w.bottom - w.top + FClientHeight - client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::DoCreate() {
    if (OnCreate) Protect([&] { OnCreate(this); });
}

void TForm::DoShow() {
    if (OnShow) Protect([&] { OnShow(this); });
}

void TForm::CenterOnScreen() {
    RECT w{};
    GetWindowRect(Handle(), &w);
    const int width = w.right - w.left, height = w.bottom - w.top;
    SetWindowPos(Handle(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::Show() {
    DoShow();
    if (!FShownBefore) CenterOnScreen();
    FShownBefore = true;
    ShowWindow(Handle(), SW_SHOW);
    UpdateWindow(Handle());
}

int TForm::ShowModal() {
    // The other windows of the program are disabled while the form is open.
    std::vector<HWND> disabled;
    EnumThreadWindows(GetCurrentThreadId(), CollectEnabledWindow, reinterpret_cast<LPARAM>(&disabled));
    for (HWND wnd : disabled) EnableWindow(wnd, FALSE);

    ModalResult = mrNone;
    FModal = true;
    const bool first = !FShownBefore;
    Show();
    SetForegroundWindow(Handle());
    if ((first || !RestoreFocus()) && !TabOrder.empty()) TabOrder.front()->EnterByKeyboard(true);

    while (ModalResult == mrNone && Application->HandleMessage()) {
    }

    RememberFocus();
    for (HWND wnd : disabled) EnableWindow(wnd, TRUE);
    ShowWindow(Handle(), SW_HIDE);
    FModal = false;
    const int result = ModalResult == mrNone ? mrCancel : ModalResult;
    ModalResult = mrNone;
    return result;
}

void TForm::RememberFocus() {
    const HWND focus = GetFocus();
    if (focus && IsChild(Handle(), focus)) FActiveControl = focus;
}

bool TForm::RestoreFocus() {
    if (!FActiveControl || !IsChild(Handle(), FActiveControl) || !IsWindowVisible(FActiveControl) ||
        !IsWindowEnabled(FActiveControl))
        return false;
    ::SetFocus(FActiveControl);
    return true;
}

LRESULT TForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
        if (lParam == 0 && HIWORD(wParam) == 0 && FMenu) {
            if (TMenuItem* item = FMenu->Find(LOWORD(wParam))) item->Click();
            return 0;
        }
        break;
    case WM_ACTIVATE:
        // The focus goes back to the control that had it when the form was left (for a
        // message box, another program, or a modal dialog), not to the form itself.
        if (LOWORD(wParam) == WA_INACTIVE)
            RememberFocus();
        else if (!HIWORD(wParam) && RestoreFocus())
            return 0;
        break;
    case WM_CLOSE:
        if (FModal)
            ModalResult = mrCancel;
        else
            Application->Terminate();
        return 0;
    }
    return TWinControl::WndProc(msg, wParam, lParam);
}

bool TForm::DialogKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN) return false;
    const bool shift = GetKeyState(VK_SHIFT) < 0, ctrl = GetKeyState(VK_CONTROL) < 0, alt = GetKeyState(VK_MENU) < 0;
    TWinControl* current = OwnerOf(GetFocus());
    switch (msg.wParam) {
    case VK_TAB:
        if (ctrl || alt) return false;
        if (!(current && current->TabWithin(!shift))) SelectNext(current, !shift);
        return true;
    case VK_RETURN:
        if (shift || ctrl || alt || !DefaultButton) return false;
        DefaultButton->Click();
        return true;
    }
    return false;
}

void TForm::SelectNext(TWinControl* current, bool forward) {
    std::vector<TWinControl*> stops;
    for (TWinControl* c : TabOrder)
        if (IsWindowVisible(c->Handle()) && c->Enabled()) stops.push_back(c);
    if (stops.empty()) return;
    const auto n = stops.size();
    std::size_t i = 0;
    while (i < n && stops[i] != current) ++i;
    std::size_t next;
    if (i == n)
        next = forward ? 0 : n - 1;
    else
        next = forward ? (i + 1) % n : (i + n - 1) % n;
    stops[next]->EnterByKeyboard(forward);
}

// ---- TApplication ------------------------------------------------------------------------

void TApplication::Initialize() {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_INTERNET_CLASSES};
    InitCommonControlsEx(&controls);
}

void TApplication::Run() {
    if (!FMainForm) return;
    FMainForm->Show();
    while (HandleMessage()) {
    }
}

bool TApplication::HandleMessage() {
    if (FTerminated) return false;
    // OnReady runs once the program has first waited for input with nothing left to do (its
    // windows shown and painted), before the next message: the user's first move.
    const bool waiting = GetQueueStatus(QS_ALLINPUT) == 0;
    MSG msg;
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (waiting && OnReady) {
        const TNotifyEvent ready = std::move(OnReady);
        OnReady = nullptr;
        Protect([&] { ready(nullptr); });
    }
    if (got == 0 || got == -1) {
        FTerminated = true;
        // A nested loop passes the quit request on to the loops around it.
        PostQuitMessage(static_cast<int>(msg.wParam));
        return false;
    }
    ProcessMessage(msg);
    return true;
}

void TApplication::ProcessMessage(MSG& msg) {
    bool handled = false;
    if (msg.message == WM_KEYDOWN) {
        if (auto* form = dynamic_cast<TForm*>(TWinControl::FromHandle(GetAncestor(msg.hwnd, GA_ROOT))))
            Protect([&] { handled = form->DialogKey(msg); });
    }
    if (handled) return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

void TApplication::HandleException() {
    std::string message;
    try {
        throw;
    } catch (const Exception& e) {
        message = e.Message;
    } catch (const std::exception& e) {
        message = e.what();
    } catch (...) {
        message = "Unknown error";
    }
    ApplicationMessageBox(ErrorBoxText(message), MB_OK | MB_ICONSTOP);
}

void TApplication::DestroyForms() {
    while (!FForms.empty()) FForms.pop_back();
    FMainForm = nullptr;
}
