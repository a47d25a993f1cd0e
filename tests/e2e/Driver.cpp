#include "Driver.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace drv {

namespace {

std::string Env(const char* name) {
    char value[MAX_PATH * 2] = {};
    const DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
    if (n == 0 || n >= sizeof value) throw std::runtime_error(std::string("set ") + name);
    return value;
}

std::string LaunchLog() { return Env("VEMKO_LAUNCH_LOG"); }

struct WindowSearch {
    DWORD Pid;
    std::vector<HWND> Found;
};

BOOL CALLBACK CollectVisible(HWND wnd, LPARAM data) {
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    if (pid == search->Pid && IsWindowVisible(wnd)) search->Found.push_back(wnd);
    return TRUE;
}

struct ChildSearch {
    std::string Class;
    std::vector<HWND> Found;
};

BOOL CALLBACK CollectChild(HWND wnd, LPARAM data) {
    auto* search = reinterpret_cast<ChildSearch*>(data);
    if (_stricmp(ClassName(wnd).c_str(), search->Class.c_str()) == 0) search->Found.push_back(wnd);
    return TRUE;
}

void Send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT KeyInput(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}

constexpr int MessageBoxTextId = 0xFFFF;
constexpr int MessageBoxIconId = 0x440;

} // namespace

// ---- The launcher process -----------------------------------------------------------------

Launcher::Launcher() {
    const std::string exe = Env("VEMKO_EXE");
    const std::string folder = exe.substr(0, exe.find_last_of('\\') + 1);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    std::string commandLine = '"' + exe + '"';
    if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si,
                        &FInfo))
        throw std::runtime_error("cannot start " + exe);
    WaitForInputIdle(FInfo.hProcess, static_cast<DWORD>(Patient(10000)));
}

Launcher::~Launcher() {
    if (!FDetached && Running()) {
        TerminateProcess(FInfo.hProcess, 1);
        WaitForSingleObject(FInfo.hProcess, 5000);
    }
    CloseHandle(FInfo.hThread);
    CloseHandle(FInfo.hProcess);
}

bool Launcher::Running() const { return WaitForSingleObject(FInfo.hProcess, 0) == WAIT_TIMEOUT; }

bool Launcher::WaitForExit(int timeoutMs) const {
    return WaitForSingleObject(FInfo.hProcess, static_cast<DWORD>(Patient(timeoutMs))) == WAIT_OBJECT_0;
}

std::vector<HWND> Launcher::VisibleWindows() const {
    WindowSearch search{Pid(), {}};
    EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

HWND Launcher::WaitForWindow(const std::string& title, int timeoutMs) const {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND w : VisibleWindows())
                if (Text(w) == title) found = w;
            return found != nullptr;
        },
        timeoutMs);
    if (found) Settle(100);
    return found;
}

HWND Launcher::WaitForMessageBox(int timeoutMs) const {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND w : VisibleWindows())
                if (ClassName(w) == "#32770" && GetDlgItem(w, MessageBoxTextId)) found = w;
            return found != nullptr;
        },
        timeoutMs);
    if (found) Settle(100);
    return found;
}

// ---- Windows ------------------------------------------------------------------------------

std::string Text(HWND wnd) {
    char text[4096] = {};
    // WM_GETTEXT, not GetWindowText: GetWindowText reads no control of another process.
    SendMessageTimeoutA(wnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
    return text;
}

std::string ClassName(HWND wnd) {
    char name[256] = {};
    GetClassNameA(wnd, name, sizeof name);
    return name;
}

std::string MessageText(HWND box) { return Text(GetDlgItem(box, MessageBoxTextId)); }

bool HasIcon(HWND box) {
    HWND icon = GetDlgItem(box, MessageBoxIconId);
    return icon && IsWindowVisible(icon) && SendMessageA(icon, STM_GETICON, 0, 0) != 0;
}

std::vector<HWND> Children(HWND parent, const std::string& className) {
    ChildSearch search{className, {}};
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

HWND FindChild(HWND parent, const std::string& className, int index) {
    const auto found = Children(parent, className);
    return index < static_cast<int>(found.size()) ? found[static_cast<std::size_t>(index)] : nullptr;
}

// ---- Input --------------------------------------------------------------------------------

void Settle(int ms) { Sleep(static_cast<DWORD>(ms)); }

void Activate(HWND wnd) {
    SetForegroundWindow(wnd);
    Settle(100);
}

namespace {

INPUT MoveInput(HWND wnd, int x, int y) {
    POINT p{x, y};
    ClientToScreen(wnd, &p);
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = p.x * 65535 / (w - 1);
    move.mi.dy = p.y * 65535 / (h - 1);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return move;
}

INPUT ButtonInput(DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    return in;
}

// The window comes to the front first, as a person's window would: Wine passes a click on
// a window of a process that is not in the foreground to the activation alone.
void BringToFront(HWND wnd) {
    HWND top = GetAncestor(wnd, GA_ROOT);
    if (GetForegroundWindow() != top) Activate(top);
}

} // namespace

void MoveTo(HWND wnd, int x, int y) {
    // The pointer rests on the spot, as a hand's would.
    Send({MoveInput(wnd, x, y)});
    Settle(100);
    Send({MoveInput(wnd, x, y)});
    Settle(100);
}

void Click(HWND wnd, int x, int y) {
    BringToFront(wnd);
    MoveTo(wnd, x, y);
    Send({ButtonInput(MOUSEEVENTF_LEFTDOWN)});
    Settle(50);
    Send({ButtonInput(MOUSEEVENTF_LEFTUP)});
    Settle(200);
}

void Drag(HWND from, int fromX, int fromY, HWND to, int toX, int toY) {
    BringToFront(from);
    MoveTo(from, fromX, fromY);
    Send({ButtonInput(MOUSEEVENTF_LEFTDOWN)});
    Settle(100);
    MoveTo(to, toX, toY);
    Send({ButtonInput(MOUSEEVENTF_LEFTUP)});
    Settle(200);
}

int Shot::Count(COLORREF colour) const {
    int n = 0;
    for (COLORREF p : Pixels) n += p == colour;
    return n;
}

Shot Capture(HWND wnd) {
    RECT r{};
    GetClientRect(wnd, &r);
    POINT origin{0, 0};
    ClientToScreen(wnd, &origin);
    Shot shot{r.right, r.bottom, {}};
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, r.right, r.bottom);
    HGDIOBJ old = SelectObject(mem, bitmap);
    BitBlt(mem, 0, 0, r.right, r.bottom, screen, origin.x, origin.y, SRCCOPY);
    for (int y = 0; y < r.bottom; ++y)
        for (int x = 0; x < r.right; ++x) shot.Pixels.push_back(GetPixel(mem, x, y));
    SelectObject(mem, old);
    DeleteObject(bitmap);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return shot;
}

void ClickCentre(HWND wnd) {
    RECT r{};
    GetClientRect(wnd, &r);
    Click(wnd, r.right / 2, r.bottom / 2);
}

void ClickCloseBox(HWND wnd) {
    RECT w{};
    GetWindowRect(wnd, &w);
    const int frame = GetSystemMetrics(SM_CXFIXEDFRAME), caption = GetSystemMetrics(SM_CYCAPTION);
    POINT p{w.right - frame - caption / 2 - 1, w.top + frame + caption / 2};
    ScreenToClient(wnd, &p);
    Click(wnd, p.x, p.y);
}

void Key(WORD vk, bool shift, bool alt) {
    std::vector<INPUT> inputs;
    if (shift) inputs.push_back(KeyInput(VK_SHIFT, false));
    if (alt) inputs.push_back(KeyInput(VK_MENU, false));
    inputs.push_back(KeyInput(vk, false));
    inputs.push_back(KeyInput(vk, true));
    if (alt) inputs.push_back(KeyInput(VK_MENU, true));
    if (shift) inputs.push_back(KeyInput(VK_SHIFT, true));
    Send(inputs);
    Settle(150);
}

void Type(const std::string& text) {
    std::wstring units;
    for (char c : text) units += static_cast<wchar_t>(static_cast<unsigned char>(c));
    TypeUnicode(units);
}

void TypeUnicode(const std::wstring& text) {
    for (wchar_t c : text) {
        INPUT down{}, up{};
        down.type = up.type = INPUT_KEYBOARD;
        down.ki.wScan = up.ki.wScan = static_cast<WORD>(c);
        down.ki.dwFlags = KEYEVENTF_UNICODE;
        up.ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        Send({down, up});
        Settle(60);
    }
    Settle(100);
}

void ChooseMenu(HWND form, int top, int item) {
    // By keyboard: menus belong to their process, so no other process can measure them.
    Activate(form);
    Key(VK_F10);
    for (int i = 0; i < top; ++i) Key(VK_RIGHT);
    Key(VK_RETURN); // runs a command of the bar, or opens its popup on the first item
    if (item < 0) return;
    for (int i = 0; i < item; ++i) Key(VK_DOWN); // separators are skipped
    Key(VK_RETURN);
}

int Patient(int timeoutMs) {
    static const int factor = [] {
        char value[16] = {};
        GetEnvironmentVariableA("VEMKO_E2E_PATIENCE", value, sizeof value);
        return std::max(1, std::atoi(value));
    }();
    return timeoutMs * factor;
}

bool WaitUntil(const std::function<bool()>& pred, int timeoutMs) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(Patient(timeoutMs));
    for (;;) {
        if (pred()) return true;
        if (static_cast<int>(end - GetTickCount()) <= 0) return false;
        Sleep(50);
    }
}

// ---- Registry -----------------------------------------------------------------------------

namespace {
constexpr char Section[] = "vemko\\vemko";
}

void ClearStore() { RegDeleteTreeA(HKEY_CURRENT_USER, "vemko"), RegDeleteKeyA(HKEY_CURRENT_USER, "vemko"); }

void StoreRaw(const std::string& name, DWORD type, const std::string& data) {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, Section, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()), static_cast<DWORD>(data.size()));
    RegCloseKey(key);
}

void StoreText(const std::string& name, const std::string& text) { StoreRaw(name, REG_SZ, text + '\0'); }

std::optional<RegValue> Stored(const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, Section, 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
    DWORD type = 0, size = 0;
    std::optional<RegValue> result;
    if (RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        std::string data(size, '\0');
        RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
        data.resize(size);
        result = RegValue{type, data};
    }
    RegCloseKey(key);
    return result;
}

std::optional<std::string> StoredText(const std::string& name) {
    auto value = Stored(name);
    if (!value || value->Type != REG_SZ || value->Data.empty() || value->Data.back() != '\0') return std::nullopt;
    value->Data.pop_back();
    return value->Data;
}

bool SectionExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, Section, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

bool StoreKeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "vemko", 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

// ---- The stand-in game --------------------------------------------------------------------

std::string InstallFakeGame(const std::string& folder, const std::string& name) {
    for (std::size_t p = folder.find('\\', 3); p != std::string::npos; p = folder.find('\\', p + 1))
        CreateDirectoryA(folder.substr(0, p).c_str(), nullptr);
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string target = folder + "\\" + name;
    if (!CopyFileA(Env("VEMKO_FAKE_GAME").c_str(), target.c_str(), FALSE))
        throw std::runtime_error("cannot copy the stand-in game to " + target);
    return target;
}

void ClearLaunches() {
    const std::string log = LaunchLog();
    CreateDirectoryA(log.substr(0, log.find_last_of('\\')).c_str(), nullptr); // the game writes here
    DeleteFileA(log.c_str());
}

std::vector<GameLaunch> Launches() {
    std::vector<GameLaunch> launches;
    std::ifstream log(LaunchLog(), std::ios::binary);
    std::string commandLine, folder;
    while (std::getline(log, commandLine) && std::getline(log, folder)) launches.push_back({commandLine, folder});
    return launches;
}

std::string Arguments(const std::string& commandLine) {
    std::size_t i = 0;
    if (!commandLine.empty() && commandLine[0] == '"') {
        i = commandLine.find('"', 1);
        i = i == std::string::npos ? commandLine.size() : i + 1;
    } else {
        i = commandLine.find(' ');
        if (i == std::string::npos) i = commandLine.size();
    }
    while (i < commandLine.size() && commandLine[i] == ' ') ++i;
    return commandLine.substr(i);
}

} // namespace drv
