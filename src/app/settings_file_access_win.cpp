#include "app/settings_file_access_win.h"

#include <windows.h>

#include "toolkit/win_text.h"

namespace orvanta {

namespace {

bool IsNotThere(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

}  // namespace

SettingsFileState LookAtSettingsFile(const std::string& path) {
    const std::wstring widePath = toolkit::Widen(path);
    const DWORD attributes = GetFileAttributesW(widePath.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return IsNotThere(GetLastError()) ? SettingsFileState::Missing : SettingsFileState::Unreadable;
    }
    // A folder in the file's place holds no settings to lose; writing at close reports it.
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return SettingsFileState::Missing;
    }
    // The sharing the profile functions ask for, so that what opens here opens for them too.
    const HANDLE file = CreateFileW(widePath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return IsNotThere(GetLastError()) ? SettingsFileState::Missing : SettingsFileState::Unreadable;
    }
    // A byte range locked by its holder opens but does not read.
    char first = 0;
    DWORD read = 0;
    const bool readable = ReadFile(file, &first, 1, &read, nullptr) != FALSE;
    CloseHandle(file);
    return readable ? SettingsFileState::Readable : SettingsFileState::Unreadable;
}

}  // namespace orvanta
