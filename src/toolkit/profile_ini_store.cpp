#include "toolkit/profile_ini_store.h"

#include <windows.h>

#include "toolkit/win_text.h"

namespace orvanta::toolkit {

namespace {
// Values are read up to 2047 characters.
constexpr DWORD kValueBufferSize = 2048;
}  // namespace

ProfileIniStore::ProfileIniStore(std::string path, std::string section)
    : path_(std::move(path)), widePath_(Widen(path_)), section_(Widen(section)) {}

std::string ProfileIniStore::ReadString(std::string_view key, std::string_view defaultValue) {
    std::wstring buffer(kValueBufferSize, L'\0');
    const DWORD length = GetPrivateProfileStringW(section_.c_str(), Widen(key).c_str(), Widen(defaultValue).c_str(),
                                                  buffer.data(), kValueBufferSize, widePath_.c_str());
    buffer.resize(length);
    return Narrow(buffer);
}

bool ProfileIniStore::WriteString(std::string_view key, std::string_view value) {
    return WritePrivateProfileStringW(section_.c_str(), Widen(key).c_str(), Widen(value).c_str(), widePath_.c_str()) !=
           FALSE;
}

}  // namespace orvanta::toolkit
