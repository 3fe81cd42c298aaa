// Combo boxes with an edit box: the items offered for the text being typed, in a list that opens
// below it and fits them.

#include "toolkit/control.h"

#include <commctrl.h>

#include <algorithm>

#include "toolkit/form.h"
#include "toolkit/win_text.h"

namespace orvanta::toolkit {

void Control::OfferItems(const std::vector<std::string>& items, int caret) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (!GetComboBoxInfo(window_, &info) || info.hwndItem == nullptr) {
        return;
    }
    const std::string typed = Text();
    DWORD selectionStart = 0;
    DWORD selectionEnd = 0;
    SendMessageW(window_, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&selectionStart),
                 reinterpret_cast<LPARAM>(&selectionEnd));
    SendMessageW(info.hwndList, WM_SETREDRAW, FALSE, 0);
    ClearItems();
    for (const std::string& item : items) {
        AddItem(item);
    }
    SendMessageW(info.hwndList, WM_SETREDRAW, TRUE, 0);
    const bool wasOpen = SendMessageW(window_, CB_GETDROPPEDSTATE, 0, 0) != FALSE;
    FitOpenList(info.hwndList, items, wasOpen);
    if (!wasOpen) {
        SendMessageW(window_, CB_SHOWDROPDOWN, TRUE, 0);
    }
    // Opening the list completes the text to the first item that begins with it, and selects it
    // all: the next key would replace what the user typed.
    if (Text() != typed) {
        SetText(typed);
    }
    SendMessageW(window_, CB_SETEDITSEL, 0, MAKELPARAM(selectionStart, selectionEnd));
    // Through the list itself, as CB_SETCURSEL would copy the item into the edit box.
    SendMessageW(info.hwndList, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SendMessageW(info.hwndList, LB_SETCARETINDEX, caret, FALSE);
    InvalidateRect(info.hwndList, nullptr, TRUE);
}

void Control::FitOpenList(HWND list, const std::vector<std::string>& items, bool isOpen) {
    const HDC dc = form_.MeasuringDc();
    SelectedObject selected(dc, font_);
    int widest = 0;
    for (const std::string& item : items) {
        const std::wstring text = Widen(item);
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        widest = std::max<int>(widest, size.cx);
    }
    const RECT bounds = Bounds();
    const int count = static_cast<int>(items.size());
    const int itemHeight = std::max(1, static_cast<int>(SendMessageW(window_, CB_GETITEMHEIGHT, 0, 0)));
    // The designed height is the closed box and the open list together; the list opens as tall
    // as its items within it (without this, as tall as 30 items).
    const int closedHeight = static_cast<int>(bounds.bottom - bounds.top);
    const int rowsAtMost = std::max(1, (form_.Scale(description_.height) - closedHeight) / itemHeight);
    SendMessageW(window_, CB_SETMINVISIBLE, rowsAtMost, 0);
    const int rows = std::clamp(count, 1, rowsAtMost);
    const int scrollBar = count > rows ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &monitor);
    const int width = std::clamp(widest + 2 * GetSystemMetrics(SM_CXBORDER) + scrollBar + form_.Scale(8),
                                 static_cast<int>(bounds.right - bounds.left),
                                 static_cast<int>(monitor.rcWork.right - monitor.rcWork.left));
    SendMessageW(window_, CB_SETDROPPEDWIDTH, width, 0);
    if (!isOpen) {
        return;
    }
    // An open list takes its new items' height, its edge against the box: below it, or above it
    // where the screen had no room below.
    const int height = rows * itemHeight + 2 * GetSystemMetrics(SM_CYBORDER);
    RECT box{};
    RECT open{};
    GetWindowRect(window_, &box);
    GetWindowRect(list, &open);
    const int top = open.top >= box.bottom ? open.top : box.top - height;
    SetWindowPos(list, nullptr, open.left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Control::SelectAllText() {
    if (description_.kind == forms::ComponentKind::ComboBox) {
        SendMessageW(window_, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    } else {
        SendMessageW(window_, EM_SETSEL, 0, -1);
    }
}

}  // namespace orvanta::toolkit
