// The main window's footer link in-process: the pointer over it, read back where it is.
#include "WineTest.h"
#include "launcher/Unit1.h"

#include <gtest/gtest.h>

namespace {

// Moves the pointer as the mouse would, to a point of a window's client area.
void PointAt(HWND wnd, int x, int y) {
    POINT p{x, y};
    ClientToScreen(wnd, &p);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = p.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    move.mi.dy = p.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    for (int i = 0; i < 10; ++i) { // until the window has seen the pointer arrive
        SendInput(1, &move, sizeof move);
        Sleep(30);
        wt::Pump();
    }
}

HCURSOR CurrentCursor() {
    CURSORINFO info{};
    info.cbSize = sizeof info;
    GetCursorInfo(&info);
    return info.hCursor;
}

TEST(MainWindow, ThePointerIsTheHandOverTheWholeFooterStrip) {
    TForm1 main;
    ShowWindow(main.Handle(), SW_SHOW);
    SetForegroundWindow(main.Handle());
    wt::Pump();
    const HCURSOR hand = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND));
    const HCURSOR arrow = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    const RECT footer = main.Panel6.ClientRect();
    for (const POINT p : {POINT{2, 2}, POINT{footer.right / 2, footer.bottom / 2}, POINT{footer.right - 3, footer.bottom - 2}}) {
        PointAt(main.Panel6.Handle(), static_cast<int>(p.x), static_cast<int>(p.y));
        EXPECT_EQ(CurrentCursor(), hand) << p.x << "," << p.y;
    }
    PointAt(main.Panel3.Handle(), 10, 10);
    EXPECT_EQ(CurrentCursor(), arrow) << "the body panel keeps the arrow";
}

} // namespace
