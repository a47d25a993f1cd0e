// The join baseline: asks the shell to open the stand-in game, as the launcher does, and exits.
#include <windows.h>
#include <shellapi.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    ShellExecuteA(nullptr, "open", "C:\\Games\\SWAT4\\swat4.exe", "192.0.2.10?Password=rombek", "C:\\Games\\SWAT4\\",
                  SW_SHOWNORMAL);
    return 0;
}
