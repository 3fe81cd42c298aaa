#include "toolkit/profile_ini_store.h"

#include <windows.h>

#include "toolkit/win_text.h"

namespace orvanta::toolkit {

namespace {
// Most values fit the first buffer; a longer one is read again with twice the room, up to a value
// far beyond anything a settings file holds, where the growing stops.
constexpr DWORD kFirstValueBufferSize = 2048;
constexpr DWORD kMaxValueBufferSize = DWORD{1} << 24;
}  // namespace

ProfileIniStore::ProfileIniStore(std::string path, std::string section)
    : path_(std::move(path)), widePath_(Widen(path_)), section_(Widen(section)) {}

std::string ProfileIniStore::ReadString(std::string_view key, std::string_view defaultValue) {
    const std::wstring wideKey = Widen(key);
    const std::wstring wideDefault = Widen(defaultValue);
    std::wstring buffer(kFirstValueBufferSize, L'\0');
    for (;;) {
        const auto size = static_cast<DWORD>(buffer.size());
        const DWORD length = GetPrivateProfileStringW(section_.c_str(), wideKey.c_str(), wideDefault.c_str(),
                                                      buffer.data(), size, widePath_.c_str());
        // A value cut to fit comes back with the length size - 1: read it again with more room.
        if (length + 1 < size || size >= kMaxValueBufferSize) {
            buffer.resize(length);
            return Narrow(buffer);
        }
        buffer.assign(static_cast<std::size_t>(size) * 2, L'\0');
    }
}

bool ProfileIniStore::WriteString(std::string_view key, std::string_view value) {
    return WritePrivateProfileStringW(section_.c_str(), Widen(key).c_str(), Widen(value).c_str(), widePath_.c_str()) !=
           FALSE;
}

// A null value removes the key; the profile functions leave a file without it untouched.
bool ProfileIniStore::DeleteKey(std::string_view key) {
    return WritePrivateProfileStringW(section_.c_str(), Widen(key).c_str(), nullptr, widePath_.c_str()) != FALSE;
}

}  // namespace orvanta::toolkit
