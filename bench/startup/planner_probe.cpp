// Measures the planner of orvanta.exe with ten places that follow zones: how long it takes to appear
// when first opened (it is made then) and when opened again, and how long a change of day takes to
// reach the screen, from Page Down in the grid to the grid painted.
//   planner_probe.exe <orvanta.exe> <settings.ini> <launches>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "forms/main_form.h"
#include "forms/planner_form.h"

namespace {

constexpr int kDayChanges = 30;

double Now() {
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Search {
    DWORD processId;
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (owner == search.processId && lstrcmpW(name, search.className) == 0 && IsWindowVisible(window)) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForWindow(DWORD processId, const wchar_t* className) {
    const double until = Now() + 20000;
    Search search{processId, className, nullptr};
    while (search.found == nullptr && Now() < until) {
        EnumWindows(&FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found == nullptr) {
            Sleep(0);
        }
    }
    return search.found;
}

// Waits until the window has painted what it was asked to: its update region is emptied when its
// painting begins, and a message sent to it is taken only once that painting has returned.
void WaitUntilPainted(HWND window) {
    const double until = Now() + 5000;
    RECT pending{};
    while (GetUpdateRect(window, &pending, FALSE) && Now() < until) {
        Sleep(0);
    }
    SendMessageW(window, WM_NULL, 0, 0);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

HWND Child(HWND planner, const char* name) {
    return GetDlgItem(planner, orvanta::forms::ControlIdOf(orvanta::forms::PlannerDescription(), name));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: planner_probe <orvanta.exe> <settings.ini> <launches>\n");
        return 2;
    }
    const int launches = std::max(1, _wtoi(argv[3]));
    wchar_t tempBase[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, tempBase);
    const std::wstring folder = std::wstring(tempBase) + L"orvanta-planner-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring exe = folder + L"\\orvanta.exe";
    const std::wstring ini = folder + L"\\orvanta.ini";
    CopyFileW(argv[1], exe.c_str(), FALSE);
    const UINT command =
        static_cast<UINT>(orvanta::forms::MainMenuCommandIdOf(orvanta::forms::MainForm1Description(), "PlannerOption"));

    std::vector<double> first;
    std::vector<double> again;
    std::vector<double> firstShown;
    std::vector<double> againShown;
    std::vector<double> dayChanges;
    for (int launch = 0; launch < launches; ++launch) {
        CopyFileW(argv[2], ini.c_str(), FALSE);
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process{};
        std::wstring commandLine = L"\"" + exe + L"\"";
        if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                            &startup, &process)) {
            std::fprintf(stderr, "cannot start orvanta.exe\n");
            return 1;
        }
        const HWND main = WaitForWindow(process.dwProcessId, L"TMainForm1");
        Sleep(500);  // past the first tick, which reads the zones
        for (std::vector<double>* times : {&first, &again}) {
            std::vector<double>& shown = times == &first ? firstShown : againShown;
            const double start = Now();
            PostMessageW(main, WM_COMMAND, command, 0);
            const HWND planner = WaitForWindow(process.dwProcessId, L"TPlanner");
            if (planner == nullptr) {
                std::fprintf(stderr, "the planner did not open\n");
                return 1;
            }
            shown.push_back(Now() - start);
            const HWND grid = Child(planner, "Plan_Grid");
            WaitUntilPainted(grid);
            times->push_back(Now() - start);
            if (times == &again) {
                for (int change = 0; change < kDayChanges; ++change) {
                    const double clicked = Now();
                    // Page Down in the grid, as the user turns the day from the keyboard.
                    SendMessageW(grid, WM_KEYDOWN, VK_NEXT, 1);
                    WaitUntilPainted(grid);
                    dayChanges.push_back(Now() - clicked);
                }
            }
            PostMessageW(planner, WM_CLOSE, 0, 0);
            while (IsWindowVisible(planner)) {
                Sleep(1);
            }
            Sleep(100);
        }
        PostMessageW(main, WM_CLOSE, 0, 0);
        WaitForSingleObject(process.hProcess, 10000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    DeleteFileW(ini.c_str());
    DeleteFileW(exe.c_str());
    RemoveDirectoryW(folder.c_str());
    std::printf(
        "planner with ten zoned places, median of %d launches: first opening %.1f ms painted (%.1f ms shown), "
        "again %.1f ms painted (%.1f ms shown); a change of day painted %.1f ms (median of %zu)\n",
        launches, Median(first), Median(firstShown), Median(again), Median(againShown), Median(dayChanges),
        dayChanges.size());
    return 0;
}
