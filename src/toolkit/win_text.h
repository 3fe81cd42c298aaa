#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace orvanta::toolkit {

// Text inside the program is UTF-8; Win32 is called through its wide functions.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// A window's text, whole.
std::string WindowText(HWND window);

}  // namespace orvanta::toolkit
