// Measures how long each window of orvanta.exe takes to appear when it is opened the first time (it
// is made then) and the second time (it is only shown), from the menu command to the visible window,
// and on to the window painted whole, its components and pictures included; and, in the settings
// dialog's first opening, the place finder's first answer: from a key typed into it to its list
// holding the matches, the system's zones read on the way.
//   first_open_probe.exe <orvanta.exe> <launches>
// The program runs from a temporary folder of its own, with no settings file.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "forms/main_form.h"
#include "forms/options_setup_form.h"

namespace {

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
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (owner == search.processId && lstrcmpW(className, search.className) == 0 && IsWindowVisible(window)) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForWindow(DWORD processId, const wchar_t* className, double timeoutMs) {
    const double until = Now() + timeoutMs;
    Search search{processId, className, nullptr};
    while (search.found == nullptr && Now() < until) {
        EnumWindows(&FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found == nullptr) {
            Sleep(0);
        }
    }
    return search.found;
}

bool WaitUntilHidden(HWND window, double timeoutMs) {
    const double until = Now() + timeoutMs;
    while (IsWindow(window) && IsWindowVisible(window) && Now() < until) {
        Sleep(1);
    }
    return !IsWindowVisible(window);
}

BOOL CALLBACK FindUnpainted(HWND child, LPARAM pending) {
    RECT update{};
    if (IsWindowVisible(child) && GetUpdateRect(child, &update, FALSE)) {
        *reinterpret_cast<bool*>(pending) = true;
        return FALSE;
    }
    return TRUE;
}

// Waits until the window and every child have painted what they were asked to: an update region is
// emptied when its painting begins, and a message sent to the window is taken only once that
// painting has returned.
void WaitUntilPainted(HWND window, double timeoutMs) {
    const double until = Now() + timeoutMs;
    for (;;) {
        RECT update{};
        bool pending = GetUpdateRect(window, &update, FALSE) != FALSE;
        if (!pending) {
            EnumChildWindows(window, &FindUnpainted, reinterpret_cast<LPARAM>(&pending));
        }
        if (!pending || Now() >= until) {
            break;
        }
        Sleep(0);
    }
    SendMessageW(window, WM_NULL, 0, 0);
}

struct ChildSearch {
    int id;
    HWND found;
};

BOOL CALLBACK FindChildById(HWND child, LPARAM context) {
    auto& search = *reinterpret_cast<ChildSearch*>(context);
    if (GetDlgCtrlID(child) == search.id) {
        search.found = child;
        return FALSE;
    }
    return TRUE;
}

// The key goes to the finder's edit box as the keyboard would send it; the list is read back until
// it holds more than the fixed offset. -1: no finder, or no answer within seconds.
double FirstFinderAnswer(HWND dialog) {
    ChildSearch search{orvanta::forms::ControlIdOf(orvanta::forms::Options_SetupDescription(), "Place_Finder_ComboBox"),
                       nullptr};
    EnumChildWindows(dialog, &FindChildById, reinterpret_cast<LPARAM>(&search));
    const HWND edit = search.found != nullptr ? FindWindowExW(search.found, nullptr, L"Edit", nullptr) : nullptr;
    if (edit == nullptr) {
        return -1;
    }
    const double start = Now();
    PostMessageW(edit, WM_CHAR, 'T', 1);
    while (SendMessageW(search.found, CB_GETCOUNT, 0, 0) < 2) {
        if (Now() > start + 5000) {
            return -1;
        }
        // Gently: the finder reads the registry through the same Wine server that every look here asks.
        Sleep(1);
    }
    return Now() - start;
}

struct Window {
    const char* menuEntry;
    const wchar_t* className;
    std::vector<double> first;
    std::vector<double> again;
    std::vector<double> firstPainted;
};

double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: first_open_probe <orvanta.exe> <launches>\n");
        return 2;
    }
    const int launches = std::max(1, _wtoi(argv[2]));
    wchar_t tempBase[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, tempBase);
    const std::wstring folder =
        std::wstring(tempBase) + L"orvanta-first-open-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring exe = folder + L"\\orvanta.exe";
    CopyFileW(argv[1], exe.c_str(), FALSE);

    std::vector<Window> windows = {{"SettingsOption", L"TOptions_Setup", {}, {}, {}},
                                   {"Generate_Time_Comparison_Table_Option", L"TTime_Table", {}, {}, {}},
                                   {"AboutOption", L"TAboutBox", {}, {}, {}},
                                   {"HelpOption", L"THelpBox", {}, {}, {}}};
    std::vector<double> finderFirst;
    for (int launch = 0; launch < launches; ++launch) {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process{};
        std::wstring commandLine = L"\"" + exe + L"\"";
        if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                            &startup, &process)) {
            std::fprintf(stderr, "cannot start orvanta.exe\n");
            return 1;
        }
        const HWND main = WaitForWindow(process.dwProcessId, L"TMainForm1", 20000);
        Sleep(500);  // past the first tick
        for (Window& window : windows) {
            for (std::vector<double>* times : {&window.first, &window.again}) {
                const double start = Now();
                PostMessageW(
                    main, WM_COMMAND,
                    orvanta::forms::MainMenuCommandIdOf(orvanta::forms::MainForm1Description(), window.menuEntry), 0);
                const HWND shown = WaitForWindow(process.dwProcessId, window.className, 10000);
                times->push_back(Now() - start);
                if (shown != nullptr && times == &window.first) {
                    WaitUntilPainted(shown, 5000);
                    window.firstPainted.push_back(Now() - start);
                    if (&window == &windows.front()) {
                        finderFirst.push_back(FirstFinderAnswer(shown));
                    }
                }
                if (shown != nullptr) {
                    PostMessageW(shown, WM_CLOSE, 0, 0);
                    WaitUntilHidden(shown, 5000);
                }
                Sleep(100);
            }
        }
        PostMessageW(main, WM_CLOSE, 0, 0);
        WaitForSingleObject(process.hProcess, 10000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        DeleteFileW((folder + L"\\orvanta.ini").c_str());
    }
    DeleteFileW(exe.c_str());
    RemoveDirectoryW(folder.c_str());

    std::printf("first opening, median of %d launches: shown, painted whole (the second opening shown):\n", launches);
    for (const Window& window : windows) {
        std::printf("  %-40s %6.1f ms %6.1f ms (%.1f ms)\n", window.menuEntry, Median(window.first),
                    Median(window.firstPainted), Median(window.again));
    }
    if (finderFirst.empty() || *std::min_element(finderFirst.begin(), finderFirst.end()) < 0) {
        std::fprintf(stderr, "the place finder gave no answer\n");
        return 1;
    }
    std::printf(
        "the place finder's first answer in a fresh process, from the key to the matches: median %.1f ms, "
        "longest %.1f ms\n",
        Median(finderFirst), *std::max_element(finderFirst.begin(), finderFirst.end()));
    return 0;
}
