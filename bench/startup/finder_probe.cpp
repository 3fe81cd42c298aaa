// Measures the place finder's first answer in a fresh process each time: from nothing read to the
// matches of a first keystroke, the system's zones read as the finder reads them. For comparison,
// the same with every zone's rules for all years read first, as the clock's rows need them.
//   finder_probe.exe <launches>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/place_finder.h"
#include "toolkit/win_time_zones.h"

namespace {

double Now() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// One first answer in this process; its time goes back as the exit code, in hundredths of a millisecond.
int AnswerOnce(const std::wstring& how) {
    const double start = Now();
    const orvanta::LocalDateTime now = orvanta::toolkit::UniversalNow();
    const auto zones = how == L"all" ? orvanta::toolkit::ReadSystemTimeZones()
                                     : orvanta::toolkit::ReadSystemTimeZonesAround(now.Split().year);
    const auto found = orvanta::FindPlaces("t", zones, now);
    const double elapsed = Now() - start;
    return found.choices.size() > 1 ? static_cast<int>(elapsed * 100) : -1;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 3 && std::wstring(argv[1]) == L"--once") {
        return AnswerOnce(argv[2]);
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: finder_probe <launches>\n");
        return 2;
    }
    const int launches = std::max(1, _wtoi(argv[1]));
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const wchar_t* const ways[] = {L"finder", L"all"};
    std::vector<double> times[2];
    // The two ways alternate, so that whatever else the machine does falls on both alike.
    for (int launch = 0; launch < launches; ++launch) {
        for (int way = 0; way < 2; ++way) {
            std::wstring commandLine = L"\"" + std::wstring(self) + L"\" --once " + ways[way];
            STARTUPINFOW startup{};
            startup.cb = sizeof(startup);
            PROCESS_INFORMATION process{};
            if (!CreateProcessW(self, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                &process)) {
                std::fprintf(stderr, "cannot start the probe again\n");
                return 1;
            }
            WaitForSingleObject(process.hProcess, INFINITE);
            DWORD code = 0;
            GetExitCodeProcess(process.hProcess, &code);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
            if (static_cast<int>(code) < 0) {
                std::fprintf(stderr, "the finder found nothing\n");
                return 1;
            }
            times[way].push_back(code / 100.0);
        }
    }
    std::printf(
        "place finder's first answer, median of %d fresh processes: %.1f ms (all zones' rules read first: %.1f ms)\n",
        launches, Median(times[0]), Median(times[1]));
    return 0;
}
