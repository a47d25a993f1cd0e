// The stand-in for the game: records the command line and the working folder it was
// started with, one line each, at the end of the file named by VEMKO_LAUNCH_LOG.
#include <windows.h>

#include <cstdio>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char log[MAX_PATH] = {}, folder[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("VEMKO_LAUNCH_LOG", log, sizeof log)) return 2;
    GetCurrentDirectoryA(sizeof folder, folder);
    FILE* f = std::fopen(log, "ab");
    if (!f) return 3;
    std::fprintf(f, "%s\n%s\n", GetCommandLineA(), folder);
    std::fclose(f);
    return 0;
}
