// Owners for the Win32 handles the program keeps: each closes its handle once, and copies
// are deleted so that no handle is closed twice.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <utility>

template <class Handle, class Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) : FHandle(h) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : FHandle(std::exchange(other.FHandle, Handle{})) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) { Reset(); FHandle = std::exchange(other.FHandle, Handle{}); }
        return *this;
    }
    Handle Get() const { return FHandle; }
    explicit operator bool() const { return FHandle != Handle{}; }
    void Reset(Handle h = Handle{}) {
        if (FHandle) Traits::Close(FHandle);
        FHandle = h;
    }

private:
    Handle FHandle{};
};

struct GdiObjectTraits { static void Close(HGDIOBJ h) { DeleteObject(h); } };
struct DcTraits { static void Close(HDC h) { DeleteDC(h); } };
using UniqueFont = UniqueHandle<HFONT, GdiObjectTraits>;
using UniqueBitmap = UniqueHandle<HBITMAP, GdiObjectTraits>;
using UniqueBrush = UniqueHandle<HBRUSH, GdiObjectTraits>;
using UniqueDC = UniqueHandle<HDC, DcTraits>;
struct ImageListTraits { static void Close(HIMAGELIST h) { ImageList_Destroy(h); } };
using UniqueImageList = UniqueHandle<HIMAGELIST, ImageListTraits>;

// An object selected into a device context, put back when the guard goes.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : FDC(dc), FOld(SelectObject(dc, object)) {}
    ~SelectGuard() { SelectObject(FDC, FOld); }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC FDC;
    HGDIOBJ FOld;
};

// A window's device context from GetDC, released when the guard goes.
class WindowDC {
public:
    explicit WindowDC(HWND wnd) : FWnd(wnd), FDC(GetDC(wnd)) {}
    ~WindowDC() { if (FDC) ReleaseDC(FWnd, FDC); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return FDC; }

private:
    HWND FWnd;
    HDC FDC;
};

// A paint cycle: BeginPaint now, EndPaint when the guard goes.
class PaintCycle {
public:
    explicit PaintCycle(HWND wnd) : FWnd(wnd) { FDC = BeginPaint(wnd, &FPaint); }
    ~PaintCycle() { EndPaint(FWnd, &FPaint); }
    PaintCycle(const PaintCycle&) = delete;
    PaintCycle& operator=(const PaintCycle&) = delete;
    HDC Get() const { return FDC; }

private:
    HWND FWnd;
    PAINTSTRUCT FPaint{};
    HDC FDC = nullptr;
};
