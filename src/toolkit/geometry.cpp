// Window geometry: the frame's place on the screen, the client size, and design pixels at the
// screen's resolution.

#include <algorithm>

#include "toolkit/form.h"

namespace orvanta::toolkit {

int WithinReach(int coordinate) {
    return std::clamp(coordinate, -kMaxWindowReach, kMaxWindowReach);
}

HDC Form::MeasuringDc() const {
    if (!measuringDc_) {
        measuringDc_.Reset(CreateCompatibleDC(nullptr));
    }
    return measuringDc_.Get();
}

int Form::Scale(int designPixels) const {
    return MulDiv(designPixels, dpi_, 96);
}

RECT Form::WindowBounds() const {
    RECT bounds{};
    if (IsIconic(window_) || IsZoomed(window_)) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof(placement);
        GetWindowPlacement(window_, &placement);
        // The placement is in work-area coordinates.
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        GetMonitorInfoW(MonitorFromRect(&placement.rcNormalPosition, MONITOR_DEFAULTTONEAREST), &monitor);
        bounds = placement.rcNormalPosition;
        OffsetRect(&bounds, monitor.rcWork.left - monitor.rcMonitor.left, monitor.rcWork.top - monitor.rcMonitor.top);
        return bounds;
    }
    GetWindowRect(window_, &bounds);
    return bounds;
}

SIZE Form::ClientSize() const {
    if (IsIconic(window_) || IsZoomed(window_)) {
        const RECT bounds = WindowBounds();
        RECT frame{0, 0, 0, 0};
        AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(window_, GWL_STYLE)), GetMenu(window_) != nullptr,
                           static_cast<DWORD>(GetWindowLongW(window_, GWL_EXSTYLE)));
        return {(bounds.right - bounds.left) - (frame.right - frame.left),
                (bounds.bottom - bounds.top) - (frame.bottom - frame.top)};
    }
    RECT client{};
    GetClientRect(window_, &client);
    return {client.right, client.bottom};
}

void Form::MoveFrame(int left, int top, int width, int height) {
    SetWindowPos(window_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::MoveFrameTo(int left, int top) {
    SetWindowPos(window_, nullptr, WithinReach(left), WithinReach(top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::PlaceFrame(int left, int top, int clientWidth, int clientHeight) {
    clientWidth = WithinReach(clientWidth);
    clientHeight = WithinReach(clientHeight);
    RECT bounds{};
    RECT client{};
    GetWindowRect(window_, &bounds);
    GetClientRect(window_, &client);
    MoveFrame(WithinReach(left), WithinReach(top), bounds.right - bounds.left + clientWidth - client.right,
              bounds.bottom - bounds.top + clientHeight - client.bottom);
    // A menu bar that wraps onto more lines, or fewer, at the new width takes its room from the client.
    GetClientRect(window_, &client);
    if (client.bottom != clientHeight && !IsIconic(window_)) {
        GetWindowRect(window_, &bounds);
        MoveFrame(bounds.left, bounds.top, bounds.right - bounds.left,
                  bounds.bottom - bounds.top + clientHeight - client.bottom);
    }
}

}  // namespace orvanta::toolkit
