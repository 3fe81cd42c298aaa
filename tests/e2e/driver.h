#pragma once

// Drives orvanta.exe from outside, as a user's tools would: a copy of the program in a folder of
// its own, its windows found by class, title and process, their texts read with WM_GETTEXT, and
// requests posted to them. Every wait is a bounded poll.

#include <windows.h>

#include <functional>
#include <string>

#include "test_files.h"
#include "toolkit/win_text.h"

namespace orvanta::e2e {

inline constexpr DWORD kStartTimeoutMs = 15000;
inline constexpr DWORD kExitTimeoutMs = 10000;
inline constexpr DWORD kWindowTimeoutMs = 5000;

// orvanta.exe as built, beside this test program.
std::wstring BuiltProgramPath();

// Checks `condition` every few milliseconds until it holds; false when it never did within the time.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs);

// The text of a window, also one of another process; empty when it does not answer in time.
std::string WindowText(HWND window);
// The texts of all child windows of `window`, at any depth.
std::string ChildTexts(HWND window);

// A copy of orvanta.exe running in a folder. Ending the object ends the program if it still runs,
// so that a failed test leaves no process behind.
class RunningProgram {
  public:
    // Copies the built program into `folder` and starts it there, in `currentDirectory` when one
    // is given.
    explicit RunningProgram(const std::wstring& folder, const std::wstring& currentDirectory = {});
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;
    ~RunningProgram();

    bool Started() const { return process_.hProcess != nullptr; }
    DWORD ProcessId() const { return process_.dwProcessId; }
    bool Running() const;
    // True once the program has ended within the time.
    bool WaitForExit(DWORD timeoutMs = kExitTimeoutMs);
    DWORD ExitCode() const;

    // A visible top-level window of this program with this class and, when given, this title.
    HWND FindWindowOf(const wchar_t* className, const wchar_t* title = nullptr) const;
    HWND WaitForWindow(const wchar_t* className, const wchar_t* title = nullptr, DWORD timeoutMs = kWindowTimeoutMs);

    // The main window once it is shown and its clock has ticked for the first time.
    HWND WaitForMainWindow();
    // The text of a main window component, found by its control id.
    std::string MainWindowText(const char* componentName) const;

  private:
    PROCESS_INFORMATION process_{};
    HWND mainWindow_ = nullptr;
};

}  // namespace orvanta::e2e
