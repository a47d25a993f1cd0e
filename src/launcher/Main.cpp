// The program entry: the application, its two windows and the message loop. The program
// reads no command line.
#include "../settings/Unit2.h"
#include "Unit1.h"

#include <windows.h>

#include <cstdlib>

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
    // The shell that the join needs is made ready while the user moves to the button, not
    // at start-up and not after the click.
    Application->OnReady = [](TObject*) { PrepareShell(); };
    Application->Run();
    Application->DestroyForms();
    return 0;
}

// std::terminate's default handler prints the exception's demangled type name to a console
// this GUI program does not have; its demangler alone is a sixth of the executable. No
// exception leaves a handler here, so the plain abort is all that is needed.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
} // namespace __gnu_cxx
