#include "toolkit/area_tips.h"

#include <commctrl.h>

#include "toolkit/win_text.h"

namespace orvanta::toolkit {

namespace {

TOOLINFOW ToolOf(HWND window, int area) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = window;
    tool.uId = static_cast<UINT_PTR>(area);
    return tool;
}

}  // namespace

AreaTips::AreaTips(HWND window, int areaCount, int maxWidth, TextOf textOf)
    : window_(window), textOf_(std::move(textOf)), placed_(static_cast<std::size_t>(areaCount), RECT{}) {
    tooltip_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, GetModuleHandleW(nullptr),
                               nullptr);
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, maxWidth);
    for (int area = 0; area < areaCount; ++area) {
        TOOLINFOW tool = ToolOf(window_, area);
        // No TTF_SUBCLASS: a subclassed window pays for it at every message it gets (under Wine
        // three server round trips each, a dozen times a tick); the window relays its pointer instead.
        tool.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

AreaTips::~AreaTips() {
    if (tooltip_ != nullptr) {
        DestroyWindow(tooltip_);
    }
}

void AreaTips::Place(int area, const RECT& bounds) {
    RECT& placed = placed_.at(static_cast<std::size_t>(area));
    if (EqualRect(&placed, &bounds)) {
        return;
    }
    placed = bounds;
    TOOLINFOW tool = ToolOf(window_, area);
    tool.rect = bounds;
    SendMessageW(tooltip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void AreaTips::Relay(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP: {
            MSG relayed{window_, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
            GetCursorPos(&relayed.pt);
            SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
            break;
        }
        default:
            break;
    }
}

bool AreaTips::OnNotify(const NMHDR& header) {
    if (header.hwndFrom != tooltip_ || header.code != TTN_GETDISPINFOW) {
        return false;
    }
    auto& info = const_cast<NMTTDISPINFOW&>(reinterpret_cast<const NMTTDISPINFOW&>(header));
    shown_ = Widen(textOf_(static_cast<int>(info.hdr.idFrom)));
    info.lpszText = shown_.data();
    return true;
}

}  // namespace orvanta::toolkit
