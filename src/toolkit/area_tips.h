#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace orvanta::toolkit {

// A tooltip over areas of a window's client area, each asked for its text only when it is about
// to show, so that a text that changes with the clock costs nothing until someone rests the
// pointer there. The window passes its pointer's messages on to Relay and its WM_NOTIFY messages
// to OnNotify.
class AreaTips {
  public:
    using TextOf = std::function<std::string(int area)>;

    // Areas 0 to areaCount - 1, empty until placed; lines wrap at maxWidth pixels.
    AreaTips(HWND window, int areaCount, int maxWidth, TextOf textOf);
    AreaTips(const AreaTips&) = delete;
    AreaTips& operator=(const AreaTips&) = delete;
    ~AreaTips();

    // Where an area lies now; an empty rectangle takes it away.
    void Place(int area, const RECT& bounds);
    // Any message of the window; those of the pointer reach the tooltip.
    void Relay(UINT message, WPARAM wParam, LPARAM lParam);
    // TTN_GETDISPINFOW of this tooltip; true when it was one.
    bool OnNotify(const NMHDR& header);
    HWND Handle() const { return tooltip_; }

  private:
    HWND window_;
    HWND tooltip_ = nullptr;
    TextOf textOf_;
    std::vector<RECT> placed_;
    std::wstring shown_;  // the text the tooltip is showing, kept alive while it shows
};

}  // namespace orvanta::toolkit
