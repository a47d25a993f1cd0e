// Measures the launcher against minimal Win32 programs, interleaved, in one run:
//   start-up  process creation to the main window shown and idle, against the floor (the
//             bare window with the manifest, the font and the hidden dialog's controls) and
//             the bare window; and how widely the runs spread
//   join      the click on the join button to the game started and the launcher ended,
//             against a bare ShellExecuteA from its first statement to the same, and against
//             a window whose button does that ShellExecuteA, clicked the same way
//   memory    peak working set once the main window is shown and idle
// Usage: bench ROUNDS BASELINE_WINDOW BASELINE_FLOOR BASELINE_JOIN BASELINE_CLICK (the launcher:
// VEMKO_EXE). VEMKO_BENCH_DETAIL=1 prints when each of the launcher's joins started the game.
#include "../tests/e2e/Driver.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
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

double Quantile(std::vector<double> v, double q) {
    std::sort(v.begin(), v.end());
    const double at = q * static_cast<double>(v.size() - 1);
    const auto i = static_cast<std::size_t>(at);
    return i + 1 < v.size() ? v[i] + (at - static_cast<double>(i)) * (v[i + 1] - v[i]) : v[i];
}

// The interquartile range: how widely the runs spread.
double Spread(const std::vector<double>& v) { return Quantile(v, 0.75) - Quantile(v, 0.25); }

void Line(const char* what, const char* unit, double launcher, const char* baseline, double base, double target) {
    const double ratio = launcher / base;
    std::printf("%-10s launcher %8.1f %s  %-14s %8.1f %s  ratio %.2f  target %.2f  %s\n", what, launcher, unit, baseline,
                base, unit, ratio, target, ratio <= target ? "met" : "MISSED");
}

double ReadMark(const char* file) {
    double counter = 0;
    if (FILE* f = std::fopen(file, "r")) {
        long long c = 0;
        if (std::fscanf(f, "%lld", &c) == 1) counter = static_cast<double>(c);
        std::fclose(f);
    }
    LARGE_INTEGER freq;
    QueryPerformanceFrequency(&freq);
    return 1000.0 * counter / static_cast<double>(freq.QuadPart);
}

// A join by a click on the button "Join full server" (of the given window class): the click
// to the game started and the program ended.
double JoinByClick(const char* exe, const char* buttonClass) {
    drv::ClearLaunches();
    Started j = Start(exe);
    HWND button = nullptr;
    for (HWND c : drv::Children(j.wnd, buttonClass))
        if (drv::Text(c) == "Join full server") button = c;
    RECT r{};
    GetClientRect(button, &r);
    drv::MoveTo(button, r.right / 2, r.bottom / 2); // the hand moves to the button, then clicks
    drv::Settle(100);
    INPUT clicks[2]{};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    if (std::getenv("VEMKO_BENCH_DETAIL")) OutputDebugStringA("bench: click\n");
    const double t0 = Now();
    SendInput(2, clicks, sizeof(INPUT));
    const bool launched = WaitForLaunch(t0);
    const double started = Now() - t0;
    const bool ended = WaitForSingleObject(j.info.hProcess, 10000) == WAIT_OBJECT_0;
    const double ms = Now() - t0;
    End(j);
    if (std::getenv("VEMKO_BENCH_DETAIL")) std::printf("join detail: game started %.1f ms, launcher ended %.1f ms\n", started, ms);
    return launched && ended ? ms : 1e9;
}

// The bare ShellExecuteA: its first statement to the game started and the program ended.
double JoinBare(const char* exe) {
    drv::ClearLaunches();
    const char* mark = "C:\\vemko-bench\\join-start.txt";
    DeleteFileA(mark);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::string cmd = std::string("\"") + exe + "\" " + mark;
    const double t0 = Now();
    CreateProcessA(exe, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
    const bool launched = WaitForLaunch(t0);
    const bool ended = WaitForSingleObject(pi.hProcess, 10000) == WAIT_OBJECT_0;
    const double end = Now();
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    const double first = ReadMark(mark);
    return launched && ended && first > 0 ? end - first : 1e9;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 6) {
        std::fprintf(stderr, "usage: bench ROUNDS BASELINE_WINDOW BASELINE_FLOOR BASELINE_JOIN BASELINE_CLICK\n");
        return 2;
    }
    const int rounds = std::max(1, std::atoi(argv[1]));
    const char *window = argv[2], *floor = argv[3], *bare = argv[4], *click = argv[5];
    char vemko[MAX_PATH];
    GetEnvironmentVariableA("VEMKO_EXE", vemko, MAX_PATH);
    drv::InstallFakeGame("C:\\Games\\SWAT4", "swat4.exe");
    drv::ClearStore();
    drv::StoreText("exe", "C:\\Games\\SWAT4\\swat4.exe");
    drv::StoreText("ip", "192.0.2.10");

    std::vector<double> startV, startW, startF, memV, memW, memF, joinV, joinB, joinC;
    const auto measureStart = [](const char* exe, std::vector<double>& times, std::vector<double>& memory) {
        Started s = Start(exe);
        memory.push_back(PeakWorkingSetKiB(s.info.hProcess));
        times.push_back(s.ms);
        End(s);
    };
    for (int round = 0; round < rounds; ++round) {
        // Interleaved, so that the machine's moods fall on all of them alike.
        measureStart(vemko, startV, memV);
        measureStart(floor, startF, memF);
        measureStart(window, startW, memW);
        joinV.push_back(JoinByClick(vemko, "Vemko.Control"));
        joinB.push_back(JoinBare(bare));
        joinC.push_back(JoinByClick(click, "Button"));
    }
    std::printf("%d rounds, medians; spread is the interquartile range\n", rounds);
    const double sv = Median(startV), sf = Median(startF), sw = Median(startW);
    Line("start-up", "ms ", sv, "floor", sf, 1.10);
    std::printf("%-10s launcher %8.1f ms   bare window    %8.1f ms  ratio %.2f\n", "", sv, sw, sv / sw);
    std::printf("%-10s launcher %8.1f ms   floor          %8.1f ms  %s\n", "spread", Spread(startV), Spread(startF),
                Spread(startV) <= Spread(startF) ? "met (no wider)" : "MISSED (wider)");
    Line("join", "ms ", Median(joinV), "bare shell", Median(joinB), 1.05);
    std::printf("%-10s launcher %8.1f ms   button window  %8.1f ms  ratio %.2f (the same click, shell32 loaded)\n", "",
                Median(joinV), Median(joinC), Median(joinV) / Median(joinC));
    Line("memory", "KiB", Median(memV), "floor", Median(memF), 1.05);
    std::printf("%-10s launcher %8.1f KiB  bare window    %8.1f KiB ratio %.2f\n", "", Median(memV), Median(memW),
                Median(memV) / Median(memW));
    drv::ClearStore();
    return 0;
}
