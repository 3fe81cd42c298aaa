#include "toolkit/win_shell.h"

#include <objbase.h>
#include <shellapi.h>

#include <vector>

#include "toolkit/handles.h"
#include "toolkit/system_library.h"
#include "toolkit/win_text.h"

namespace orvanta::toolkit {

namespace {

std::string LastPart(std::string_view path) {
    const auto separator = path.find_last_of("\\/");
    return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

}  // namespace

bool WinShell::FileExists(std::string_view path) {
    const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string WinShell::WindowsDirectory() {
    // Asked for its length first, so that a folder of any length fits.
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const UINT length = GetWindowsDirectoryW(buffer.data(), static_cast<UINT>(buffer.size()));
        if (length == 0) {
            return {};
        }
        if (length < buffer.size()) {
            return Narrow(std::wstring_view(buffer.data(), length));
        }
        buffer.resize(length + 1);
    }
}

std::string WinShell::NameOnDisk(std::string_view path) {
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(Widen(path).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return LastPart(path);
    }
    FindClose(search);
    return Narrow(found.cFileName);
}

bool WinShell::StartProgram(std::string_view programPath, std::string_view commandLine) {
    // With the application name given, CreateProcessW runs that file and nothing else: a bare name
    // would be looked for in this program's folder and the current directory first, where anyone
    // may have left a program of that name.
    const std::wstring program = Widen(programPath);
    // CreateProcessW may write into the command line, so it gets a copy of its own.
    std::wstring command = Widen(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return false;
    }
    // Not waited for and not watched.
    UniqueKernelHandle processHandle(process.hProcess);
    UniqueKernelHandle threadHandle(process.hThread);
    return true;
}

void WinShell::Open(std::string_view target) {
    // Loaded here, not at start: most runs never open a link. A missing one ends this command
    // with a message.
    auto* const coInitializeEx = ORVANTA_SYSTEM_FUNCTION(Ole32Library(), CoInitializeEx);
    auto* const coUninitialize = ORVANTA_SYSTEM_FUNCTION(Ole32Library(), CoUninitialize);
    auto* const shellExecute = ORVANTA_SYSTEM_FUNCTION(Shell32Library(), ShellExecuteW);
    // Shell extensions that handle a target may need COM on this thread.
    const HRESULT com = coInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    shellExecute(parent_, L"open", Widen(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    if (SUCCEEDED(com)) {
        coUninitialize();
    }
}

}  // namespace orvanta::toolkit
