#include "driver.h"

#include "forms/main_form.h"

namespace orvanta::e2e {

namespace {

// A program that is stuck must fail the test, not hang it.
constexpr UINT kAnswerTimeoutMs = 2000;
constexpr DWORD kPollMs = 15;

std::wstring ClassName(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return name;
}

BOOL CALLBACK CollectText(HWND child, LPARAM collected) {
    auto& all = *reinterpret_cast<std::string*>(collected);
    all += WindowText(child);
    all += '\n';
    return TRUE;
}

struct WindowSearch {
    DWORD processId;
    const wchar_t* className;
    const wchar_t* title;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.processId || !IsWindowVisible(window) || ClassName(window) != search.className) {
        return TRUE;
    }
    if (search.title != nullptr && WindowText(window) != toolkit::Narrow(search.title)) {
        return TRUE;
    }
    search.found = window;
    return FALSE;
}

}  // namespace

std::wstring BuiltProgramPath() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    return path.substr(0, path.find_last_of(L"\\/") + 1) + L"orvanta.exe";
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) {
            return true;
        }
        if (GetTickCount() - start >= timeoutMs) {
            return false;
        }
        Sleep(kPollMs);
    }
}

std::string WindowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &length)) {
        return {};
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             kAnswerTimeoutMs, &copied)) {
        return {};
    }
    text.resize(copied);
    return toolkit::Narrow(text);
}

std::string ChildTexts(HWND window) {
    std::string texts;
    EnumChildWindows(window, &CollectText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

RunningProgram::RunningProgram(const std::wstring& folder, const std::wstring& currentDirectory) {
    const std::wstring exe = folder + L"orvanta.exe";
    if (!CopyFileW(BuiltProgramPath().c_str(), exe.c_str(), FALSE)) {
        return;
    }
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        (currentDirectory.empty() ? folder : currentDirectory).c_str(), &startup, &process_)) {
        process_ = {};
        return;
    }
    CloseHandle(process_.hThread);
    process_.hThread = nullptr;
}

RunningProgram::~RunningProgram() {
    if (process_.hProcess == nullptr) {
        return;
    }
    if (Running()) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, kExitTimeoutMs);
    }
    CloseHandle(process_.hProcess);
}

bool RunningProgram::Running() const {
    return process_.hProcess != nullptr && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

bool RunningProgram::WaitForExit(DWORD timeoutMs) {
    return process_.hProcess != nullptr && WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD RunningProgram::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

HWND RunningProgram::FindWindowOf(const wchar_t* className, const wchar_t* title) const {
    WindowSearch search{process_.dwProcessId, className, title, nullptr};
    EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND RunningProgram::WaitForWindow(const wchar_t* className, const wchar_t* title, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return Running() && (found = FindWindowOf(className, title)) != nullptr; }, timeoutMs);
    return found;
}

HWND RunningProgram::WaitForMainWindow() {
    mainWindow_ = WaitForWindow(L"TMainForm1", nullptr, kStartTimeoutMs);
    if (mainWindow_ == nullptr) {
        return nullptr;
    }
    // The rows are filled at the first showing; "..." is the design's placeholder.
    if (!WaitUntil([this] { return MainWindowText("Other_Location_Time_0") != "..."; }, kWindowTimeoutMs)) {
        return nullptr;
    }
    return mainWindow_;
}

std::string RunningProgram::MainWindowText(const char* componentName) const {
    const int id = forms::ControlIdOf(forms::MainForm1Description(), componentName);
    HWND control = id < 0 || mainWindow_ == nullptr ? nullptr : GetDlgItem(mainWindow_, id);
    return control == nullptr ? "<no " + std::string(componentName) + ">" : WindowText(control);
}

}  // namespace orvanta::e2e
