// The program entry: the application, its two windows and the message loop. The program
// reads no command line.
#include "../settings/Unit2.h"
#include "Unit1.h"

#include <windows.h>

namespace {

// Load system DLLs only from the system folder, where the system offers the call: no
// DLL placed beside the program or in the game's folder is ever loaded.
void RestrictDllSearch() {
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
    auto set = reinterpret_cast<SetDefaultDllDirectoriesFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel32, "SetDefaultDllDirectories")));
    if (set) set(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    RestrictDllSearch();
    Application->Initialize();
    Application->Title = "VEMKO";
    Form1 = Application->CreateForm<TForm1>();
    Form2 = Application->CreateForm<TForm2>();
    Application->Run();
    Application->DestroyForms();
    return 0;
}
