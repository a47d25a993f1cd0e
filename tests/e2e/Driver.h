// Drives the real vemko.exe from outside, as a person would: finds its windows, reads
// their texts, sends real mouse and keyboard input (SendInput), and reads the registry.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace drv {

// A started launcher; ended by force if it is still running when this goes.
class Launcher {
public:
    Launcher();
    ~Launcher();
    Launcher(const Launcher&) = delete;
    Launcher& operator=(const Launcher&) = delete;

    DWORD Pid() const { return FInfo.dwProcessId; }
    bool Running() const;
    bool WaitForExit(int timeoutMs = 10000) const;
    // A visible top-level window of the launcher with this exact title.
    HWND WaitForWindow(const std::string& title, int timeoutMs = 10000) const;
    // The message box (or error box) of the launcher showing now, if any; waits for one.
    HWND WaitForMessageBox(int timeoutMs = 10000) const;
    HWND MainWindow(int timeoutMs = 10000) const { return WaitForWindow("VEMKO (for RUX admin mod)", timeoutMs); }
    std::vector<HWND> VisibleWindows() const;
    // Leaves the launcher running when this goes.
    void Detach() { FDetached = true; }

private:
    PROCESS_INFORMATION FInfo{};
    bool FDetached = false;
};

std::string Text(HWND wnd);
std::string ClassName(HWND wnd);
// The text of a message box: its static text control.
std::string MessageText(HWND box);
// True when the box shows an icon (the error box's stop sign).
bool HasIcon(HWND box);
// The first child (at any depth) of this class, in creation order; index picks the nth.
HWND FindChild(HWND parent, const std::string& className, int index = 0);
std::vector<HWND> Children(HWND parent, const std::string& className);

// What a window's client area shows on the screen now.
struct Shot {
    int Width = 0, Height = 0;
    std::vector<COLORREF> Pixels;
    COLORREF At(int x, int y) const { return Pixels[static_cast<std::size_t>(y * Width + x)]; }
    int Count(COLORREF colour) const;
};
Shot Capture(HWND wnd);

// Input. Every call waits until the target thread has handled it.
void Click(HWND wnd, int x, int y); // client coordinates of wnd
void ClickCentre(HWND wnd);
// The pointer to a point of wnd's client area, with no button pressed.
void MoveTo(HWND wnd, int x, int y);
// The left button pressed on one point and released on another, each in client coordinates.
void Drag(HWND from, int fromX, int fromY, HWND to, int toX, int toY);
// The close box at the right end of a top-level window's caption.
void ClickCloseBox(HWND wnd);
void Key(WORD vk, bool shift = false, bool alt = false);
void Type(const std::string& text); // as typed characters
void TypeUnicode(const std::wstring& text); // as an input method types them
void Activate(HWND wnd);
// Menu bar item top (counted from 0); then, when item >= 0, that command of its popup.
void ChooseMenu(HWND form, int top, int item = -1);
void Settle(int ms = 150);

// Polls until pred holds or the time is up.
bool WaitUntil(const std::function<bool()>& pred, int timeoutMs = 10000);
// A time to wait, stretched by VEMKO_E2E_PATIENCE (a factor; 1 when unset) where programs
// run slowly, as under emulation.
int Patient(int timeoutMs);

// HKEY_CURRENT_USER\vemko\vemko
struct RegValue {
    DWORD Type;
    std::string Data;
};
void ClearStore();
void StoreText(const std::string& name, const std::string& text);
void StoreRaw(const std::string& name, DWORD type, const std::string& data);
std::optional<RegValue> Stored(const std::string& name);
std::optional<std::string> StoredText(const std::string& name); // the text without its zero byte
bool SectionExists();
bool StoreKeyExists();

// The stand-in game: copied to folder\name; its launches are logged to a file.
struct GameLaunch {
    std::string CommandLine, Folder;
};
std::string InstallFakeGame(const std::string& folder, const std::string& name);
void ClearLaunches();
std::vector<GameLaunch> Launches();
// The arguments after the program name in a command line.
std::string Arguments(const std::string& commandLine);

} // namespace drv
