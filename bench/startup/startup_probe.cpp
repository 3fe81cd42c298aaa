// Starts a window program from a temporary folder again and again and measures how long its main
// window takes to appear, and the process's peak memory, then closes it as a user would.
//   startup_probe.exe <program.exe> <window class> <runs>

#include <windows.h>
// psapi.h needs the types of windows.h first.
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Run {
    double startMs;
    double peakMb;
};

HWND FindVisibleWindow(const wchar_t* windowClass, DWORD processId) {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, windowClass, nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window)) {
            return window;
        }
    }
    return nullptr;
}

bool MeasureOnce(const std::wstring& program, const wchar_t* windowClass, Run& run) {
    wchar_t tempBase[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, tempBase);
    const std::wstring folder = std::wstring(tempBase) + L"orvanta-bench-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring copy = folder + L"\\" + program.substr(program.find_last_of(L"\\/") + 1);
    CopyFileW(program.c_str(), copy.c_str(), FALSE);

    LARGE_INTEGER frequency, started, shown;
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + copy + L"\"";
    QueryPerformanceCounter(&started);
    if (!CreateProcessW(copy.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process)) {
        return false;
    }
    HWND window = nullptr;
    for (int i = 0; i < 20000 && window == nullptr; ++i) {
        window = FindVisibleWindow(windowClass, process.dwProcessId);
        if (window == nullptr) {
            Sleep(1);
        }
    }
    QueryPerformanceCounter(&shown);
    bool ok = window != nullptr;
    if (ok) {
        WaitForInputIdle(process.hProcess, 5000);
        PROCESS_MEMORY_COUNTERS memory{};
        memory.cb = sizeof(memory);
        GetProcessMemoryInfo(process.hProcess, &memory, sizeof(memory));
        run.startMs =
            1000.0 * static_cast<double>(shown.QuadPart - started.QuadPart) / static_cast<double>(frequency.QuadPart);
        run.peakMb = static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0);
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        ok = false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    DeleteFileW((folder + L"\\orvanta.ini").c_str());
    DeleteFileW(copy.c_str());
    RemoveDirectoryW(folder.c_str());
    return ok;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: startup_probe <program.exe> <window class> <runs>\n");
        return 2;
    }
    const int runs = std::max(1, _wtoi(argv[3]));
    std::vector<Run> results;
    for (int i = 0; i < runs; ++i) {
        Run run{};
        if (!MeasureOnce(argv[1], argv[2], run)) {
            std::fprintf(stderr, "run %d failed\n", i + 1);
            return 1;
        }
        results.push_back(run);
    }
    std::vector<double> starts;
    double peak = 0;
    for (const Run& run : results) {
        starts.push_back(run.startMs);
        peak = std::max(peak, run.peakMb);
    }
    std::sort(starts.begin(), starts.end());
    std::printf(
        "%-28ls start to visible window: median %.0f ms, min %.0f ms, max %.0f ms over %d runs; peak working set %.1f "
        "MB\n",
        argv[2], starts[starts.size() / 2], starts.front(), starts.back(), runs, peak);
    return 0;
}
