#include "toolkit/system_library.h"

#include <string>

#include "toolkit/win_text.h"

namespace orvanta::toolkit {

namespace {

// From the system folder only, so that a same-named DLL beside the exe or in the current folder
// is never loaded in its place.
HMODULE LoadFromSystemFolder(const wchar_t* fileName) {
    HMODULE module = LoadLibraryExW(fileName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module != nullptr || GetLastError() != ERROR_INVALID_PARAMETER) {
        return module;
    }
    // A Windows 7 without the update that brought the flag: the full path does the same, and the
    // altered search path takes the DLL's own dependencies from its folder too.
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return nullptr;
    }
    std::wstring path(folder, length);
    path += L'\\';
    path += fileName;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace

void LoadDllsOnlyFromSystemFolder() {
    // Looked up, not imported: an import of a function this Windows lacks would stop the exe from
    // starting at all.
    using SetDefaultDllDirectoriesFunction = BOOL WINAPI(DWORD);
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    const FARPROC found = kernel == nullptr ? nullptr : GetProcAddress(kernel, "SetDefaultDllDirectories");
    auto* setDefaultDllDirectories =
        reinterpret_cast<SetDefaultDllDirectoriesFunction*>(reinterpret_cast<void (*)()>(found));
    if (setDefaultDllDirectories == nullptr || !setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        SetDllDirectoryW(L"");
    }
}

FARPROC SystemLibrary::Find(const char* name) {
    if (module_ == nullptr) {
        module_ = LoadFromSystemFolder(fileName_);
        if (module_ == nullptr) {
            throw MissingSystemPart(Narrow(fileName_) + " could not be loaded from the Windows system folder.");
        }
    }
    const FARPROC function = GetProcAddress(module_, name);
    if (function == nullptr) {
        throw MissingSystemPart(Narrow(fileName_) + " has no " + name + ".");
    }
    return function;
}

SystemLibrary& Ole32Library() {
    static SystemLibrary library(L"ole32.dll");
    return library;
}

SystemLibrary& Shell32Library() {
    static SystemLibrary library(L"shell32.dll");
    return library;
}

SystemLibrary& DwmapiLibrary() {
    static SystemLibrary library(L"dwmapi.dll");
    return library;
}

SystemLibrary& OleaccLibrary() {
    static SystemLibrary library(L"oleacc.dll");
    return library;
}

SystemLibrary& OleAut32Library() {
    static SystemLibrary library(L"oleaut32.dll");
    return library;
}

}  // namespace orvanta::toolkit
