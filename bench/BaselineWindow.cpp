// The start-up baseline: a minimal Win32 program with one window of the launcher's size and
// style (fixed frame, system menu, minimise box, a menu bar, 269 x 127 client area).
#include <windows.h>

static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(wnd, msg, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "Baseline";
    RegisterClassA(&wc);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    HMENU menu = CreateMenu();
    AppendMenuA(menu, MF_STRING, 1, "Program");
    RECT r{0, 0, 269, 127};
    AdjustWindowRect(&r, style, TRUE);
    HWND wnd = CreateWindowA("Baseline", "Baseline window", style, CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left,
                             r.bottom - r.top, nullptr, menu, instance, nullptr);
    ShowWindow(wnd, show);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
