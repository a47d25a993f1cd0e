// Helpers for the in-process tests on real windows.
#pragma once

#include "platform/Controls.h"

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace wt {

// Handles every message that is waiting, as the message loop would.
inline void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) Application->ProcessMessage(msg);
}

// Answers the message boxes this thread shows, and keeps their texts: the tests run the
// real error box, which would otherwise wait for a person. A file dialog is cancelled and
// noted as "(file dialog)".
class BoxCatcher {
public:
    BoxCatcher() : FThread(GetCurrentThreadId()), FWatcher([this] { Watch(); }) {}
    ~BoxCatcher() {
        FStop = true;
        FWatcher.join();
    }
    std::vector<std::string> Texts() {
        std::lock_guard<std::mutex> lock(FMutex);
        return FTexts;
    }

private:
    static BOOL CALLBACK Found(HWND wnd, LPARAM self) {
        char cls[32] = {};
        GetClassNameA(wnd, cls, sizeof cls);
        if (std::string(cls) == "#32770" && IsWindowVisible(wnd) && GetDlgItem(wnd, 0xFFFF)) {
            char text[1024] = {};
            SendMessageA(GetDlgItem(wnd, 0xFFFF), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
            auto* catcher = reinterpret_cast<BoxCatcher*>(self);
            {
                std::lock_guard<std::mutex> lock(catcher->FMutex);
                catcher->FTexts.push_back(text);
            }
            PostMessageA(wnd, WM_COMMAND, IDOK, 0);
            ShowWindow(wnd, SW_HIDE); // not caught twice
        } else if (std::string(cls) == "#32770" && IsWindowVisible(wnd)) {
            auto* catcher = reinterpret_cast<BoxCatcher*>(self);
            {
                std::lock_guard<std::mutex> lock(catcher->FMutex);
                catcher->FTexts.push_back("(file dialog)");
            }
            PostMessageA(wnd, WM_COMMAND, IDCANCEL, 0);
            ShowWindow(wnd, SW_HIDE);
        }
        return TRUE;
    }
    void Watch() {
        while (!FStop) {
            EnumThreadWindows(FThread, Found, reinterpret_cast<LPARAM>(this));
            Sleep(20);
        }
    }
    DWORD FThread;
    std::atomic<bool> FStop{false};
    std::mutex FMutex;
    std::vector<std::string> FTexts;
    std::thread FWatcher;
};

// What a window shows, read back from its device context after a full repaint.
struct Shot {
    int Width = 0, Height = 0;
    std::vector<COLORREF> Pixels;
    COLORREF At(int x, int y) const { return Pixels[static_cast<std::size_t>(y * Width + x)]; }
    bool operator==(const Shot&) const = default;
};

inline Shot Capture(HWND wnd) {
    InvalidateRect(wnd, nullptr, TRUE);
    UpdateWindow(wnd);
    Pump();
    RECT r{};
    GetClientRect(wnd, &r);
    Shot shot{r.right, r.bottom, {}};
    WindowDC screen(wnd);
    UniqueDC mem(CreateCompatibleDC(screen.Get()));
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.Get(), r.right, r.bottom));
    SelectGuard select(mem.Get(), bitmap.Get());
    BitBlt(mem.Get(), 0, 0, r.right, r.bottom, screen.Get(), 0, 0, SRCCOPY);
    for (int y = 0; y < r.bottom; ++y)
        for (int x = 0; x < r.right; ++x) shot.Pixels.push_back(GetPixel(mem.Get(), x, y));
    return shot;
}

} // namespace wt
