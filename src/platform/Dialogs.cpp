#include "Dialogs.h"

#include "Forms.h"
#include "SysUtils.h"

#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

#include <cstring>

namespace {

// A function of a system DLL that the program needs only now and then (the file dialog, the
// shell), loaded by its full path in the system folder at its first use.
template <class Function>
Function* SystemFunction(const char* dll, const char* name) {
    char path[MAX_PATH];
    const UINT n = GetSystemDirectoryA(path, MAX_PATH);
    if (n == 0 || n + 1 + std::strlen(dll) >= MAX_PATH) return nullptr;
    std::strcat(std::strcat(path, "\\"), dll);
    HMODULE module = LoadLibraryA(path);
    return module ? reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

} // namespace

bool TOpenDialog::Execute() {
    // The filter "name|pattern|..." becomes the double-zero-terminated list of Win32.
    std::string filter = Filter;
    for (char& c : filter)
        if (c == '|') c = '\0';
    filter.append(2, '\0');

    char file[MAX_PATH] = {};
    FileName.copy(file, MAX_PATH - 1);

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = GetActiveWindow();
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(FilterIndex);
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrTitle = Title.empty() ? nullptr : Title.c_str();
    ofn.lpstrDefExt = DefaultExt.empty() ? nullptr : DefaultExt.c_str();
    ofn.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER;
    static auto* getOpenFileName = SystemFunction<decltype(GetOpenFileNameA)>("comdlg32.dll", "GetOpenFileNameA");
    if (!getOpenFileName || !getOpenFileName(&ofn)) return false;
    FileName = file;
    return true;
}

namespace {

decltype(ShellExecuteA)* ShellExecuteFunction() {
    static auto* shellExecute = SystemFunction<decltype(ShellExecuteA)>("shell32.dll", "ShellExecuteA");
    return shellExecute;
}

} // namespace

void PrepareShell() { ShellExecuteFunction(); }

void ShellOpen(const std::string& file, const std::string& parameters, const std::string& folder, int show) {
    if (auto* shellExecute = ShellExecuteFunction())
        shellExecute(nullptr, "open", file.c_str(), parameters.c_str(), folder.c_str(), show);
}

void ApplicationMessageBox(const std::string& text, unsigned flags) {
    // Modal to the whole program. The box disables the program's windows while it shows, so
    // none of them can take the activation when it closes: the window that was active gets
    // it back here, and with it the focus in the control that had it.
    const HWND active = GetActiveWindow();
    MessageBoxA(nullptr, text.c_str(), Application->Title.c_str(), flags | MB_TASKMODAL);
    if (active && IsWindowVisible(active) && IsWindowEnabled(active)) SetForegroundWindow(active);
}

void ShowMessage(const std::string& text) { ApplicationMessageBox(text, MB_OK); }

std::string ExtractFilePath(const std::string& path) {
    return ExtractFilePath(path, [](unsigned char c) { return IsDBCSLeadByte(c) != FALSE; });
}
