#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace orvanta::toolkit {

// Replaces the clipboard's contents with plain text (Unicode; Windows derives the ANSI form).
// Another program may hold the clipboard open for a moment: the copy is retried briefly.
// False when the clipboard stayed unavailable or the text could not be stored.
[[nodiscard]] bool SetClipboardText(HWND owner, std::string_view text);

// The clipboard's plain text, or empty text.
std::string ClipboardText(HWND owner);

}  // namespace orvanta::toolkit
