// The join's click baseline: a window with one button, "Join full server", whose click asks
// the shell to open the stand-in game (shell32 loaded at start, as an import) and ends the
// program. Timed as the launcher is, from the click: what any program pays for the click.
#include <windows.h>
#include <shellapi.h>

static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        ShellExecuteA(nullptr, "open", "C:\\Games\\SWAT4\\swat4.exe", "192.0.2.10?Password=rombek", "C:\\Games\\SWAT4\\",
                      SW_SHOWNORMAL);
        PostQuitMessage(0);
        return 0;
    }
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(wnd, msg, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "ClickBaseline";
    RegisterClassA(&wc);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT r{0, 0, 269, 127};
    AdjustWindowRect(&r, style, FALSE);
    HWND wnd = CreateWindowA("ClickBaseline", "Click baseline", style, CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left,
                             r.bottom - r.top, nullptr, nullptr, instance, nullptr);
    CreateWindowA("BUTTON", "Join full server", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 85, 30, 100, 56, wnd, nullptr,
                  instance, nullptr);
    ShowWindow(wnd, show);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
