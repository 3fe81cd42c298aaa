#pragma once

#include <windows.h>

#include "form_types/form_description.h"

namespace orvanta::toolkit {

class Control;
class Form;

// What the toolkit knows about one kind of component, all in one row: the window class and styles
// it is created with, whether its caption is its window text, and which WM_COMMAND notification
// is its Click event.
inline constexpr int kNoClick = -1;

struct ComponentKindInfo {
    forms::ComponentKind kind;
    const wchar_t* windowClass;
    DWORD style = 0;  // besides WS_CHILD | WS_CLIPSIBLINGS
    DWORD exStyle = 0;
    // The styles that follow the description (alignment, read-only, default button) and whether a
    // Click handler is bound; nullptr: none.
    DWORD (*describedStyle)(const forms::ComponentDescription& description, bool clickable) = nullptr;
    // The caption is the window text (a picture's names its image). Lists, spin buttons, tab strips
    // and grids draw none: theirs is the name screen readers give them.
    bool hasCaption = false;
    int clickNotification = kNoClick;  // kNoClick: the kind has no Click event from WM_COMMAND
    bool userEditsText = false;        // the text is read back from the window; the system's colours
    bool isFrame = false;              // a frame paints its interior itself
    bool liesBeneath = false;          // beneath the other controls: frames and the tab control
    // Fills the new window from the description (items, columns, ranges, icons); nullptr: nothing.
    void (*fill)(Control& control, const Form& form) = nullptr;
};

const ComponentKindInfo& KindInfo(forms::ComponentKind kind);

// A grid's columns across its client width in their designed proportions.
void FitGridColumns(const Control& grid);

// The page keys and the mouse wheel over a spin button or its buddy step the spin button, as its
// arrows do; true when the input was taken.
bool StepSpinFromInput(HWND spin, UINT message, WPARAM wParam);
// The buddy passes the page keys and the wheel on to its spin button.
void AttachSpinBuddy(HWND spin, HWND buddy);

}  // namespace orvanta::toolkit
