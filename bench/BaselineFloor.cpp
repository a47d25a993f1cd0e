// The start-up floor that the design sets: the baseline window with the launcher's manifest
// (common controls 6), the forms' "MS Sans Serif" font, and a hidden dialog-framed popup
// holding an IP address control, two edits and a button, all made before the window shows.
// No registry, no file dialog, no shell: what any program built to these windows must do.
#include <windows.h>
#include <commctrl.h>

static HWND mainWindow;

static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY && wnd == mainWindow) PostQuitMessage(0);
    return DefWindowProcA(wnd, msg, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_INTERNET_CLASSES};
    InitCommonControlsEx(&controls);
    HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif");
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "Floor";
    RegisterClassA(&wc);

    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    HMENU menu = CreateMenu();
    AppendMenuA(menu, MF_STRING, 1, "Program");
    RECT r{0, 0, 269, 127};
    AdjustWindowRect(&r, style, TRUE);
    HWND wnd = mainWindow = CreateWindowA("Floor", "Floor window", style, CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left,
                             r.bottom - r.top, nullptr, menu, instance, nullptr);

    HWND dialog = CreateWindowExA(WS_EX_DLGMODALFRAME, "Floor", "Floor dialog", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0,
                                  286, 166, nullptr, nullptr, instance, nullptr);
    const struct {
        const char* cls;
        DWORD style, exStyle;
        int x, y, w, h;
    } children[] = {
        {WC_IPADDRESSA, WS_TABSTOP, 0, 52, 25, 150, 21},
        {"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 208, 25, 57, 21},
        {"EDIT", WS_TABSTOP | ES_AUTOHSCROLL | ES_PASSWORD | WS_BORDER, 0, 79, 83, 121, 19},
        {"BUTTON", WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 202, 113, 75, 25},
    };
    for (const auto& c : children) {
        HWND child = CreateWindowExA(c.exStyle, c.cls, "", c.style | WS_CHILD | WS_VISIBLE, c.x, c.y, c.w, c.h, dialog,
                                     nullptr, instance, nullptr);
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }

    ShowWindow(wnd, show);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
