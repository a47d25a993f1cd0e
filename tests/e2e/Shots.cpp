// Starts the launcher and saves pictures of its main window and its setup dialog, as
// 24-bit BMP files in the folder given as the first argument. With --keep the launcher
// is left running for a person to use; otherwise it is closed again.
#include "Driver.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

bool SaveWindow(HWND wnd, const std::string& file) {
    RECT r{};
    GetWindowRect(wnd, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(mem, bitmap);
    BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    SelectObject(mem, old);

    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = w;
    info.biHeight = h;
    info.biPlanes = 1;
    info.biBitCount = 24;
    const int stride = (w * 3 + 3) & ~3;
    std::vector<unsigned char> pixels(static_cast<std::size_t>(stride * h));
    GetDIBits(mem, bitmap, 0, static_cast<UINT>(h), pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER head{};
    head.bfType = 0x4D42;
    head.bfOffBits = sizeof head + sizeof info;
    head.bfSize = head.bfOffBits + static_cast<DWORD>(pixels.size());
    FILE* f = std::fopen(file.c_str(), "wb");
    if (!f) return false;
    std::fwrite(&head, sizeof head, 1, f);
    std::fwrite(&info, sizeof info, 1, f);
    std::fwrite(pixels.data(), 1, pixels.size(), f);
    std::fclose(f);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: shots FOLDER [--keep]\n");
        return 2;
    }
    const std::string folder = argv[1];
    const bool keep = argc > 2 && std::string(argv[2]) == "--keep";
    drv::Launcher app;
    // At a first start the launcher asks for the game: cancelled here, so that the
    // person at the program can choose it later with Program > Locate.
    if (HWND box = drv::Stored("exe") ? nullptr : app.WaitForMessageBox(5000)) {
        drv::Activate(box);
        drv::Key(VK_RETURN);
        if (HWND dialog = app.WaitForWindow("SWAT4 Executable")) {
            drv::Activate(dialog);
            drv::Key(VK_ESCAPE);
        }
    }
    HWND main = app.MainWindow();
    if (!main) return 1;
    drv::Settle(500);
    bool saved = SaveWindow(main, folder + "\\main-window.bmp");
    drv::ChooseMenu(main, 1, 0);
    if (HWND dialog = app.WaitForWindow("Server Setup")) {
        drv::Settle(500);
        saved &= SaveWindow(dialog, folder + "\\setup-dialog.bmp");
        drv::Activate(dialog);
        drv::Key(VK_RETURN);
    }
    if (keep) app.Detach();
    std::printf(saved ? "saved\n" : "not saved\n");
    return saved ? 0 : 1;
}
