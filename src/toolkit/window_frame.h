#pragma once

#include <windows.h>

#include "form_types/form_description.h"
#include "toolkit/menu.h"

namespace orvanta::toolkit {

// The frame of a top-level window: the styles of each border, the menu bar's presence and the
// topmost band of the window order. Form::SetBorder and Form::SetClientSize live here too.

DWORD FrameStyle(forms::BorderStyle border);
DWORD FrameExStyle(forms::BorderStyle border);

// Shows the menu bar only while one of its top-level entries is visible. Windows keeps a line for a
// bar without entries; a window whose entries are all hidden has no bar at all.
void ShowMenuBarWhileItHasEntries(HWND window, Menu& bar);

// The topmost band of the window order, or the normal one; neither moves, sizes nor activates.
void SetTopmost(HWND window, bool topmost);
bool IsTopmost(HWND window);

}  // namespace orvanta::toolkit
