// Helpers for the in-process tests on real windows.
#pragma once

#include "platform/Controls.h"

#include <windows.h>

#include <string>
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
    BoxCatcher() : FThread(GetCurrentThreadId()) {
        InitializeCriticalSection(&FLock);
        FWatcher = CreateThread(nullptr, 0, Watch, this, 0, nullptr);
    }
    ~BoxCatcher() {
        FStop = true;
        WaitForSingleObject(FWatcher, INFINITE);
        CloseHandle(FWatcher);
        DeleteCriticalSection(&FLock);
    }
    BoxCatcher(const BoxCatcher&) = delete;
    BoxCatcher& operator=(const BoxCatcher&) = delete;
    std::vector<std::string> Texts() {
        EnterCriticalSection(&FLock);
        auto texts = FTexts;
        LeaveCriticalSection(&FLock);
        return texts;
    }

private:
    void Note(const std::string& text) {
        EnterCriticalSection(&FLock);
        FTexts.push_back(text);
        LeaveCriticalSection(&FLock);
    }
    static BOOL CALLBACK Found(HWND wnd, LPARAM self) {
        char cls[32] = {};
        GetClassNameA(wnd, cls, sizeof cls);
        if (std::string(cls) != "#32770" || !IsWindowVisible(wnd)) return TRUE;
        auto* catcher = reinterpret_cast<BoxCatcher*>(self);
        if (GetDlgItem(wnd, 0xFFFF)) {
            char text[1024] = {};
            SendMessageA(GetDlgItem(wnd, 0xFFFF), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
            catcher->Note(text);
            PostMessageA(wnd, WM_COMMAND, IDOK, 0);
        } else {
            catcher->Note("(file dialog)");
            PostMessageA(wnd, WM_COMMAND, IDCANCEL, 0);
        }
        ShowWindow(wnd, SW_HIDE); // not caught twice
        return TRUE;
    }
    static DWORD WINAPI Watch(void* self) {
        auto* catcher = static_cast<BoxCatcher*>(self);
        while (!catcher->FStop) {
            EnumThreadWindows(catcher->FThread, Found, reinterpret_cast<LPARAM>(catcher));
            Sleep(20);
        }
        return 0;
    }
    DWORD FThread;
    volatile LONG FStop = 0;
    CRITICAL_SECTION FLock;
    std::vector<std::string> FTexts;
    HANDLE FWatcher = nullptr;
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
