// The frame of a top-level window, changed while it is shown: its border, its client size, its
// menu bar and its band in the window order.

#include "toolkit/window_frame.h"

#include <algorithm>

#include "toolkit/form.h"

namespace orvanta::toolkit {

namespace {

bool AwayFromItsPlace(HWND window) {
    return IsIconic(window) || IsZoomed(window);
}

// How much wider and taller the frame is than the client area, for the window's present styles and
// menu bar, as the window has them in its normal place.
SIZE FrameExtent(HWND window) {
    RECT frame{0, 0, 0, 0};
    const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)) & ~(WS_MINIMIZE | WS_MAXIMIZE);
    AdjustWindowRectEx(&frame, style, GetMenu(window) != nullptr,
                       static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
    return {frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace

DWORD FrameStyle(forms::BorderStyle border) {
    switch (border) {
        case forms::BorderStyle::Sizeable:
            return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX;
        case forms::BorderStyle::Dialog:
            return WS_POPUP | WS_CAPTION | WS_SYSMENU;
        case forms::BorderStyle::DialogWithoutSystemMenu:
            return WS_POPUP | WS_CAPTION | DS_MODALFRAME;
        case forms::BorderStyle::None:
            return WS_POPUP;
    }
    return WS_OVERLAPPEDWINDOW;
}

DWORD FrameExStyle(forms::BorderStyle border) {
    switch (border) {
        case forms::BorderStyle::Dialog:
        case forms::BorderStyle::DialogWithoutSystemMenu:
            return WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
        default:
            return WS_EX_CONTROLPARENT;
    }
}

void Form::SetClientSize(int width, int height) {
    width = std::max(WithinReach(width), 0);
    height = std::max(WithinReach(height), 0);
    if (AwayFromItsPlace(window_)) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof(placement);
        GetWindowPlacement(window_, &placement);
        const SIZE frame = FrameExtent(window_);
        RECT& normal = placement.rcNormalPosition;
        normal.right = normal.left + width + frame.cx;
        normal.bottom = normal.top + height + frame.cy;
        SetWindowPlacement(window_, &placement);
        return;
    }
    // Measured rather than computed: a menu bar that wraps takes more than one line.
    RECT bounds{};
    RECT client{};
    GetWindowRect(window_, &bounds);
    GetClientRect(window_, &client);
    MoveFrame(bounds.left, bounds.top, bounds.right - bounds.left + width - client.right,
              bounds.bottom - bounds.top + height - client.bottom);
}

void Form::SetBorder(forms::BorderStyle border) {
    constexpr DWORD kFrameStyles =
        WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | DS_MODALFRAME;
    constexpr DWORD kFrameExStyles = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
    const SIZE client = ClientSize();
    const auto style = static_cast<DWORD>(GetWindowLongW(window_, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongW(window_, GWL_EXSTYLE));
    const DWORD frameStyle = FrameStyle(border);
    // Windows gives a window with a caption or a sizing border the raised edge when it creates it.
    const DWORD edge = (frameStyle & (WS_CAPTION | WS_THICKFRAME)) != 0 ? WS_EX_WINDOWEDGE : 0;
    SetWindowLongW(window_, GWL_STYLE, static_cast<LONG>((style & ~kFrameStyles) | frameStyle));
    SetWindowLongW(window_, GWL_EXSTYLE, static_cast<LONG>((exStyle & ~kFrameExStyles) | FrameExStyle(border) | edge));
    // The new frame takes effect only now; then the frame is made to fit the old client size around
    // the same top-left corner, so that the rows keep their room and the window its place.
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetClientSize(client.cx, client.cy);
}

void ShowMenuBarWhileItHasEntries(HWND window, Menu& bar) {
    bool anyEntry = false;
    for (const auto& item : bar.Items()) {
        anyEntry = anyEntry || item->Visible();
    }
    HMENU wanted = anyEntry ? bar.Handle() : nullptr;
    if (GetMenu(window) != wanted) {
        SetMenu(window, wanted);
        bar.SetAttached(anyEntry);
    } else if (wanted != nullptr) {
        DrawMenuBar(window);
    }
}

void SetTopmost(HWND window, bool topmost) {
    SetWindowPos(window, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

bool IsTopmost(HWND window) {
    return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

}  // namespace orvanta::toolkit
