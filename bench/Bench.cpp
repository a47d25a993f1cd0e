// Measures the launcher against minimal Win32 programs, interleaved, in one run:
//   start-up  process creation to the main window shown and idle
//   join      the click on the join button to the game started and the launcher ended
//   memory    peak working set once the main window is shown
// Usage: bench ROUNDS BASELINE_WINDOW_EXE BASELINE_JOIN_EXE (the launcher from VEMKO_EXE)
#include "../tests/e2e/Driver.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

double Now() {
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return 1000.0 * static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

struct Started {
    PROCESS_INFORMATION info{};
    double ms = 0;
    HWND wnd = nullptr;
};

BOOL CALLBACK FindVisible(HWND wnd, LPARAM data) {
    auto* s = reinterpret_cast<Started*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    if (pid == s->info.dwProcessId && IsWindowVisible(wnd) && GetWindowTextLengthA(wnd) > 0) {
        s->wnd = wnd;
        return FALSE;
    }
    return TRUE;
}

// Starts exe and waits for its first visible, titled window.
Started Start(const std::string& exe) {
    Started s;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    std::string cmd = '"' + exe + '"';
    const double t0 = Now();
    CreateProcessA(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &s.info);
    WaitForInputIdle(s.info.hProcess, 10000);
    while (!s.wnd && Now() - t0 < 10000) {
        EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&s));
        if (!s.wnd) Sleep(0);
    }
    s.ms = Now() - t0;
    return s;
}

double PeakWorkingSetKiB(HANDLE process) {
    PROCESS_MEMORY_COUNTERS pmc{};
    pmc.cb = sizeof pmc;
    GetProcessMemoryInfo(process, &pmc, sizeof pmc);
    return static_cast<double>(pmc.PeakWorkingSetSize) / 1024.0;
}

void End(Started& s) {
    TerminateProcess(s.info.hProcess, 0);
    WaitForSingleObject(s.info.hProcess, 5000);
    CloseHandle(s.info.hProcess);
    CloseHandle(s.info.hThread);
}

bool WaitForLaunch(double t0) {
    while (drv::Launches().empty()) {
        if (Now() - t0 > 10000) return false;
        Sleep(0);
    }
    return true;
}

void Report(const char* what, const char* unit, const std::vector<double>& program, const std::vector<double>& base) {
    const double p = Median(program), b = Median(base);
    std::printf("%-9s launcher %8.1f %s   baseline %8.1f %s   ratio %.2f\n", what, p, unit, b, unit, p / b);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: bench ROUNDS BASELINE_WINDOW BASELINE_JOIN\n");
        return 2;
    }
    const int rounds = std::max(1, std::atoi(argv[1]));
    char vemko[MAX_PATH];
    GetEnvironmentVariableA("VEMKO_EXE", vemko, MAX_PATH);
    drv::InstallFakeGame("C:\\Games\\SWAT4", "swat4.exe");
    drv::ClearStore();
    drv::StoreText("exe", "C:\\Games\\SWAT4\\swat4.exe");
    drv::StoreText("ip", "192.0.2.10");

    std::vector<double> startV, startB, joinV, joinB, memV, memB;
    for (int round = 0; round < rounds; ++round) {
        // Start-up and memory, launcher then baseline.
        Started v = Start(vemko);
        memV.push_back(PeakWorkingSetKiB(v.info.hProcess));
        startV.push_back(v.ms);
        End(v);
        Started b = Start(argv[2]);
        memB.push_back(PeakWorkingSetKiB(b.info.hProcess));
        startB.push_back(b.ms);
        End(b);

        // Join: the click to the game started and the launcher ended.
        drv::ClearLaunches();
        Started j = Start(vemko);
        RECT r{};
        HWND button = nullptr;
        for (HWND c : drv::Children(j.wnd, "Vemko.Control"))
            if (drv::Text(c) == "Join full server") button = c;
        GetClientRect(button, &r);
        POINT p{r.right / 2, r.bottom / 2};
        ClientToScreen(button, &p);
        SetCursorPos(p.x, p.y);
        drv::Settle(100);
        INPUT clicks[2]{};
        clicks[0].type = clicks[1].type = INPUT_MOUSE;
        clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        const double t0 = Now();
        SendInput(2, clicks, sizeof(INPUT));
        const bool launched = WaitForLaunch(t0);
        WaitForSingleObject(j.info.hProcess, 10000);
        joinV.push_back(launched ? Now() - t0 : 1e9);
        End(j);

        drv::ClearLaunches();
        STARTUPINFOA si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        std::string cmd = std::string("\"") + argv[3] + '"';
        const double t1 = Now();
        CreateProcessA(argv[3], cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
        const bool launchedB = WaitForLaunch(t1);
        WaitForSingleObject(pi.hProcess, 10000);
        joinB.push_back(launchedB ? Now() - t1 : 1e9);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
    std::printf("%d rounds, medians:\n", rounds);
    Report("start-up", "ms ", startV, startB);
    Report("join", "ms ", joinV, joinB);
    Report("memory", "KiB", memV, memB);
    drv::ClearStore();
    return 0;
}
