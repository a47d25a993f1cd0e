#include "Forms.h"

#include "SysUtils.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include <cstring>
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

// A function of a system DLL that the program needs only now and then (the file dialog, the
// shell), loaded by its full path in the system folder at its first use.
template <class Function>
Function* SystemFunction(const char* dll, const char* name) {
    char path[MAX_PATH];
    const UINT n = GetSystemDirectoryA(path, MAX_PATH);
    if (n == 0 || n + 1 + std::strlen(dll) >= MAX_PATH) return nullptr;
    std::strcat(std::strcat(path, "\\"), dll);
    HMODULE module = LoadLibraryA(path);
    return module ? reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
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

void TWinControl::CreateOwn(const char* caption, DWORD style, DWORD exStyle, const TBounds& b) {
    const char* className = RegisterOwnClass(OwnWndProc, (exStyle & WS_EX_DLGMODALFRAME) != 0);
    CreateWindowExA(exStyle, className, caption, style, b.Left, b.Top, b.Width, b.Height,
                    FParent ? FParent->FHandle : nullptr, nullptr, GetModuleHandleA(nullptr), this);
}

void TWinControl::CreateSystem(const char* className, const char* caption, DWORD style, DWORD exStyle,
                               const TBounds& b) {
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

TForm::TForm(const TFormLayout& layout)
    : TWinControl(nullptr), FClientWidth(layout.ClientWidth), FClientHeight(layout.ClientHeight) {
    FFont.Reset(CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif"));
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
    if (first || !FActiveControl || !IsWindow(FActiveControl)) {
        if (!TabOrder.empty()) TabOrder.front()->EnterByKeyboard(true);
    } else {
        ::SetFocus(FActiveControl);
    }

    while (ModalResult == mrNone && Application->HandleMessage()) {
    }

    HWND focus = GetFocus();
    if (focus && IsChild(Handle(), focus)) FActiveControl = focus;
    for (HWND wnd : disabled) EnableWindow(wnd, TRUE);
    ShowWindow(Handle(), SW_HIDE);
    FModal = false;
    const int result = ModalResult == mrNone ? mrCancel : ModalResult;
    ModalResult = mrNone;
    return result;
}

LRESULT TForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
        if (lParam == 0 && HIWORD(wParam) == 0 && FMenu) {
            if (TMenuItem* item = FMenu->Find(LOWORD(wParam))) item->Click();
            return 0;
        }
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
    MSG msg;
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
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
    MessageBoxA(nullptr, ErrorBoxText(message).c_str(), Title.c_str(), MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}

void TApplication::DestroyForms() {
    while (!FForms.empty()) FForms.pop_back();
    FMainForm = nullptr;
}

// ---- Controls ----------------------------------------------------------------------------

TPanel::TPanel(TWinControl* parent, const TPanelLayout& layout)
    : TWinControl(parent), FOuter(layout.BevelOuter), FInner(layout.BevelInner) {
    CreateOwn(layout.Caption, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, layout.Bounds);
}

LRESULT TPanel::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: {
        PaintCycle paint(Handle());
        Paint(paint.Get());
        return 0;
    }
    case WM_LBUTTONDOWN:
        FMouseDown = true;
        break;
    case WM_LBUTTONUP:
        if (std::exchange(FMouseDown, false) && OnClick) OnClick(this);
        return 0;
    }
    return TWinControl::WndProc(msg, wParam, lParam);
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
    SelectGuard font(dc, FormFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextA(dc, caption.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

TLabel::TLabel(TWinControl* parent, const TBounds& bounds, const char* caption) : TWinControl(parent) {
    // One line, never wrapped: a font wider than the layout's clips the end instead.
    CreateSystem("STATIC", caption, SS_LEFTNOWORDWRAP, 0, bounds);
}

TSpeedButton::TSpeedButton(TWinControl* parent, const TBounds& bounds, const char* caption, const char* glyphResource,
                           int spacing)
    : TWinControl(parent), FSpacing(spacing) {
    FGlyph.Reset(static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), glyphResource, IMAGE_BITMAP, 0, 0, 0)));
    CreateOwn(caption, WS_CHILD | WS_VISIBLE, 0, bounds);
}

bool TSpeedButton::MouseInside(LPARAM lParam) const {
    const POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    const RECT r = ClientRect();
    return PtInRect(&r, p) != FALSE;
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
        if (FTracking && FDown != MouseInside(lParam)) {
            FDown = !FDown;
            Invalidate();
        }
        return 0;
    case WM_LBUTTONUP: {
        if (!FTracking) return 0;
        const bool click = MouseInside(lParam);
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
    BITMAP bm{};
    if (FGlyph) GetObjectA(FGlyph.Get(), sizeof bm, &bm);

    // Glyph above caption, the pair centred, shifted by one pixel while pressed.
    const int shift = FDown ? 1 : 0;
    const int total = bm.bmHeight + (bm.bmHeight ? FSpacing : 0) + text.cy;
    const int top = (r.bottom - total) / 2 + shift;
    if (FGlyph) {
        UniqueDC mem(CreateCompatibleDC(dc));
        SelectGuard glyph(mem.Get(), FGlyph.Get());
        const COLORREF transparent = GetPixel(mem.Get(), 0, bm.bmHeight - 1);
        TransparentBlt(dc, (r.right - bm.bmWidth) / 2 + shift, top, bm.bmWidth, bm.bmHeight, mem.Get(), 0, 0,
                       bm.bmWidth, bm.bmHeight, transparent);
    }
    RECT textRect{shift, top + bm.bmHeight + FSpacing, r.right + shift, top + total};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextA(dc, caption.c_str(), -1, &textRect, DT_CENTER | DT_TOP | DT_SINGLELINE);
}

TBitBtn::TBitBtn(TWinControl* parent, const TBounds& bounds, const char* glyphResource) : TWinControl(parent) {
    CreateSystem("BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 0, bounds);
    FGlyph.Reset(static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), glyphResource, IMAGE_BITMAP, 0, 0, LR_LOADTRANSPARENT | LR_LOADMAP3DCOLORS)));
    if (FGlyph) Perform(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(FGlyph.Get()));
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

// ---- Dialogs and helpers -----------------------------------------------------------------

bool TOpenDialog::Execute() {
    // The filter "name|pattern|..." becomes the double-zero-terminated list of Win32.
    std::string filter = Filter;
    for (char& c : filter)
        if (c == '|') c = '\0';
    filter.append(2, '\0');

    char file[MAX_PATH] = {};
    FileName.copy(file, MAX_PATH - 1);

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = GetActiveWindow();
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(FilterIndex);
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrTitle = Title.empty() ? nullptr : Title.c_str();
    ofn.lpstrDefExt = DefaultExt.empty() ? nullptr : DefaultExt.c_str();
    ofn.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER;
    static auto* getOpenFileName = SystemFunction<decltype(GetOpenFileNameA)>("comdlg32.dll", "GetOpenFileNameA");
    if (!getOpenFileName || !getOpenFileName(&ofn)) return false;
    FileName = file;
    return true;
}

void ShellOpen(const std::string& file, const std::string& parameters, const std::string& folder, int show) {
    static auto* shellExecute = SystemFunction<decltype(ShellExecuteA)>("shell32.dll", "ShellExecuteA");
    if (shellExecute) shellExecute(nullptr, "open", file.c_str(), parameters.c_str(), folder.c_str(), show);
}

void ShowMessage(const std::string& text) {
    MessageBoxA(nullptr, text.c_str(), Application->Title.c_str(), MB_OK | MB_TASKMODAL);
}

std::string ExtractFilePath(const std::string& path) {
    return ExtractFilePath(path, [](unsigned char c) { return IsDBCSLeadByte(c) != FALSE; });
}
