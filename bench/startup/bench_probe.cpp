// Measures what a user sees of orvanta.exe against the floor program, side by side in one run:
// launch until the window is visible with row 0's time filled (warm-up runs, then pairs whose order
// alternates), resident memory 10 s after start, and CPU time over a stretch of idle ticking.
//   bench_probe.exe <floor.exe> <orvanta.exe> <orvanta.ini> <pairs> <idle rounds> [<idle seconds>]
// Each program runs from a temporary folder of its own; orvanta.exe finds the given settings file
// beside it at every start.

#include <windows.h>
// psapi.h needs the types of windows.h first.
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwctype>
#include <string>
#include <vector>

namespace {

// Both programs give their row-0 time label this control id.
constexpr int kRow0TimeId = 102;
constexpr int kWarmUpRuns = 3;
constexpr DWORD kMemoryAfterMs = 10000;
constexpr int kDefaultIdleSeconds = 120;

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Program {
    const char* name;
    std::wstring folder;
    std::wstring exe;
    std::wstring settingsSource;  // copied beside the exe before every start; empty: none
};

struct Started {
    PROCESS_INFORMATION process{};
    HWND window = nullptr;
    double launchedAt = 0;
    double readyAt = 0;
};

std::wstring FileName(const std::wstring& path) {
    return path.substr(path.find_last_of(L"\\/") + 1);
}

Program Prepare(const char* name, const std::wstring& source, const std::wstring& settings) {
    wchar_t tempBase[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, tempBase);
    Program program{name};
    program.folder = std::wstring(tempBase) + L"orvanta-bench-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                     std::wstring(name, name + std::char_traits<char>::length(name));
    CreateDirectoryW(program.folder.c_str(), nullptr);
    program.exe = program.folder + L"\\" + FileName(source);
    CopyFileW(source.c_str(), program.exe.c_str(), FALSE);
    program.settingsSource = settings;
    return program;
}

void Remove(const Program& program) {
    DeleteFileW((program.folder + L"\\orvanta.ini").c_str());
    DeleteFileW(program.exe.c_str());
    RemoveDirectoryW(program.folder.c_str());
}

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindProcessWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window) && GetDlgItem(window, kRow0TimeId) != nullptr) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// Visible, and row 0 shows a time rather than a placeholder.
HWND ReadyWindow(DWORD processId) {
    Search search{processId, nullptr};
    EnumWindows(&FindProcessWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) {
        return nullptr;
    }
    wchar_t text[128] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(GetDlgItem(search.found, kRow0TimeId), WM_GETTEXT, 128, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, 100, &copied)) {
        return nullptr;
    }
    for (const wchar_t* c = text; *c != 0; ++c) {
        if (std::iswdigit(*c)) {
            return search.found;
        }
    }
    return nullptr;
}

bool Start(const Program& program, Started& started) {
    if (!program.settingsSource.empty()) {
        CopyFileW(program.settingsSource.c_str(), (program.folder + L"\\orvanta.ini").c_str(), FALSE);
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring commandLine = L"\"" + program.exe + L"\"";
    started.launchedAt = Now();
    if (!CreateProcessW(program.exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        program.folder.c_str(), &startup, &started.process)) {
        return false;
    }
    for (int i = 0; i < 20000 && started.window == nullptr; ++i) {
        started.window = ReadyWindow(started.process.dwProcessId);
        if (started.window == nullptr) {
            Sleep(1);
        }
    }
    started.readyAt = Now();
    return started.window != nullptr;
}

bool Stop(Started& started) {
    if (started.window != nullptr) {
        PostMessageW(started.window, WM_CLOSE, 0, 0);
    }
    bool ended = WaitForSingleObject(started.process.hProcess, 10000) == WAIT_OBJECT_0;
    if (!ended) {
        TerminateProcess(started.process.hProcess, 1);
    }
    CloseHandle(started.process.hThread);
    CloseHandle(started.process.hProcess);
    return ended;
}

bool LaunchOnce(const Program& program, std::vector<double>* into) {
    Started started;
    const bool ready = Start(program, started);
    const bool stopped = Stop(started);
    if (ready && into != nullptr) {
        into->push_back(started.readyAt - started.launchedAt);
    }
    return ready && stopped;
}

std::string ReadWholeFile(const std::wstring& path) {
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0) {
        text.append(buffer, got);
    }
    CloseHandle(file);
    return text;
}

// Under Wine the times Windows reports for another process do not move while it runs; its Unix
// process, found through the folder the program runs from, has them in /proc (utime and stime, in
// clock ticks of 1/100 s). -1: no such process (not under Wine).
double UnixCpuMs(const std::wstring& folderName) {
    const std::string marker(folderName.begin(), folderName.end());
    WIN32_FIND_DATAW entry{};
    HANDLE search = FindFirstFileW(L"Z:\\proc\\*", &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return -1;
    }
    double ms = -1;
    do {
        const std::wstring pid = entry.cFileName;
        if (pid.empty() || !std::all_of(pid.begin(), pid.end(), [](wchar_t c) { return std::iswdigit(c) != 0; })) {
            continue;
        }
        if (ReadWholeFile(L"Z:\\proc\\" + pid + L"\\cmdline").find(marker) == std::string::npos) {
            continue;
        }
        const std::string stat = ReadWholeFile(L"Z:\\proc\\" + pid + L"\\stat");
        // Fields after the command name in parentheses: state is the 3rd field, utime the 14th.
        std::size_t at = stat.rfind(')');
        unsigned long long ticks[2] = {};
        for (int field = 3, taken = 0; at != std::string::npos && field <= 15; ++field) {
            at = stat.find(' ', at + 1);
            if (at != std::string::npos && field >= 14) {
                ticks[taken++] = std::strtoull(stat.c_str() + at + 1, nullptr, 10);
            }
        }
        ms = 10.0 * static_cast<double>(ticks[0] + ticks[1]);
        break;
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return ms;
}

double CpuMs(const Program& program, HANDLE process) {
    if (const double unixMs = UnixCpuMs(FileName(program.folder)); unixMs >= 0) {
        return unixMs;
    }
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) {
        return 0;
    }
    auto ms = [](const FILETIME& t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) /
               10000.0;
    };
    return ms(kernel) + ms(user);
}

double ResidentMb(HANDLE process) {
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(process, &memory, sizeof(memory));
    return static_cast<double>(memory.WorkingSetSize) / (1024.0 * 1024.0);
}

void SleepUntil(double when) {
    const double left = when - Now();
    if (left > 0) {
        Sleep(static_cast<DWORD>(left));
    }
}

struct Figure {
    double median, low, high;
};

Figure Summarise(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    if (values.empty()) {
        return {0, 0, 0};
    }
    const std::size_t n = values.size();
    const double median = n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {median, values.front(), values.back()};
}

double Print(const char* what, const char* unit, const std::vector<double>& floor, const std::vector<double>& ours) {
    const Figure f = Summarise(floor);
    const Figure o = Summarise(ours);
    const double ratio = f.median > 0 ? o.median / f.median : 0;
    std::printf("%-34s floor %8.1f %s (%.1f-%.1f)   orvanta %8.1f %s (%.1f-%.1f)   ratio %.2fx  [n=%zu]\n", what,
                f.median, unit, f.low, f.high, o.median, unit, o.low, o.high, ratio, ours.size());
    return ratio;
}

long long FileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        return 0;
    }
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 6 && argc != 7) {
        std::fprintf(stderr,
                     "usage: bench_probe <floor.exe> <orvanta.exe> <orvanta.ini> <pairs> <idle rounds> "
                     "[<idle seconds>]\n");
        return 2;
    }
    const int pairs = std::max(1, _wtoi(argv[4]));
    const int rounds = std::max(1, _wtoi(argv[5]));
    const int idleSeconds = argc == 7 ? std::max(1, _wtoi(argv[6])) : kDefaultIdleSeconds;
    const Program floor = Prepare("floor", argv[1], L"");
    const Program ours = Prepare("orvanta", argv[2], argv[3]);
    bool ok = true;

    for (int i = 0; i < kWarmUpRuns && ok; ++i) {
        ok = LaunchOnce(floor, nullptr) && LaunchOnce(ours, nullptr);
    }
    std::vector<double> floorLaunch, ourLaunch;
    for (int i = 0; i < pairs && ok; ++i) {
        // Alternate which goes first, so that neither always meets a warmer cache.
        if (i % 2 == 0) {
            ok = LaunchOnce(floor, &floorLaunch) && LaunchOnce(ours, &ourLaunch);
        } else {
            ok = LaunchOnce(ours, &ourLaunch) && LaunchOnce(floor, &floorLaunch);
        }
    }

    // Both run at once for the idle figures, so that whatever else the machine does weighs on both.
    std::vector<double> floorMemory, ourMemory, floorCpu, ourCpu;
    for (int round = 0; round < rounds && ok; ++round) {
        Started f, o;
        ok = Start(floor, f) && Start(ours, o);
        if (ok) {
            const double idleFrom = std::max(f.readyAt, o.readyAt);
            const double floorCpuAtStart = CpuMs(floor, f.process.hProcess);
            const double ourCpuAtStart = CpuMs(ours, o.process.hProcess);
            SleepUntil(f.launchedAt + kMemoryAfterMs);
            floorMemory.push_back(ResidentMb(f.process.hProcess));
            SleepUntil(o.launchedAt + kMemoryAfterMs);
            ourMemory.push_back(ResidentMb(o.process.hProcess));
            SleepUntil(idleFrom + 1000.0 * idleSeconds);
            floorCpu.push_back(CpuMs(floor, f.process.hProcess) - floorCpuAtStart);
            ourCpu.push_back(CpuMs(ours, o.process.hProcess) - ourCpuAtStart);
        }
        ok = Stop(f) && ok;
        ok = Stop(o) && ok;
    }
    if (!ok) {
        std::fprintf(stderr, "bench_probe: a program did not start, show its time or close in time\n");
    } else {
        const double launch = Print("launch to row 0's time shown", "ms", floorLaunch, ourLaunch);
        const double memory = Print("resident memory 10 s after start", "MB", floorMemory, ourMemory);
        const std::string idleTitle = "CPU time over " + std::to_string(idleSeconds) + " s of idle";
        const double cpu = Print(idleTitle.c_str(), "ms", floorCpu, ourCpu);
        const long long floorSize = FileSize(floor.exe);
        const long long ourSize = FileSize(ours.exe);
        std::printf("%-34s floor %lld bytes   orvanta %lld bytes\n", "exe size", floorSize, ourSize);
        std::printf(
            "summary: launch %.2fx (goal 1.2x), memory %.2fx (goal 1.03x), cpu %.2fx (goal 1.1x), exe %lld "
            "bytes = %.3fx of the 468000-byte budget\n",
            launch, memory, cpu, ourSize, static_cast<double>(ourSize) / 468000.0);
    }
    Remove(floor);
    Remove(ours);
    return ok ? 0 : 1;
}
