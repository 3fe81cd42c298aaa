// Colours: of the form, of its components (WM_CTLCOLORSTATIC and WM_CTLCOLORBTN), and the
// subclass that paints a frame's interior.

#include "toolkit/colors.h"

#include <commctrl.h>

#include <stdexcept>

#include "toolkit/component_kinds.h"
#include "toolkit/form.h"

namespace orvanta::toolkit {

namespace {

LRESULT CALLBACK
FrameSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR subclassId, DWORD_PTR) {
    switch (message) {
        case WM_ERASEBKGND: {
            auto brush = reinterpret_cast<HBRUSH>(
                SendMessageW(GetParent(window), WM_CTLCOLORSTATIC, wParam, reinterpret_cast<LPARAM>(window)));
            RECT client{};
            GetClientRect(window, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client,
                     brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE));
            return 1;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(window, &FrameSubclassProc, subclassId);
            break;
        default:
            break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

COLORREF ToColorRef(const forms::Color& color, COLORREF fallback) {
    switch (color.kind) {
        case forms::Color::Kind::Default:
            return fallback;
        case forms::Color::Kind::ButtonFace:
            return GetSysColor(COLOR_BTNFACE);
        case forms::Color::Kind::WindowText:
            return GetSysColor(COLOR_WINDOWTEXT);
        case forms::Color::Kind::Window:
            return GetSysColor(COLOR_WINDOW);
        case forms::Color::Kind::Rgb:
            return RGB((color.rgb >> 16) & 0xFF, (color.rgb >> 8) & 0xFF, color.rgb & 0xFF);
    }
    return fallback;
}

void PaintFrameInterior(HWND frame) {
    if (!SetWindowSubclass(frame, &FrameSubclassProc, 0, 0)) {
        throw std::runtime_error("Cannot subclass a frame");
    }
}

HBRUSH Control::PrepareColors(HDC dc) const {
    const auto& d = description_;
    if (KindInfo(d.kind).userEditsText) {
        return nullptr;  // read-only edits keep the system's look
    }
    const COLORREF formColor = ToColorRef(form_.Description().color, GetSysColor(COLOR_BTNFACE));
    SetTextColor(dc, ToColorRef(d.textColor, GetSysColor(COLOR_WINDOWTEXT)));
    if (d.transparent) {
        SetBkMode(dc, TRANSPARENT);
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    if (d.backColor.kind == forms::Color::Kind::Default) {
        SetBkColor(dc, formColor);
        return form_.formBrush_.Get();
    }
    SetBkColor(dc, ToColorRef(d.backColor, formColor));
    return backBrush_.Get();
}

// The control is found by its identifier; a child that is not a component gets the system's colours.
HBRUSH Form::ControlColors(HDC dc, HWND controlWindow) const {
    const Control* control = ControlById(GetDlgCtrlID(controlWindow));
    if (control == nullptr || control->Handle() != controlWindow) {
        return nullptr;
    }
    return control->PrepareColors(dc);
}

void Form::EraseBackground(HDC dc) const {
    RECT client{};
    GetClientRect(window_, &client);
    FillRect(dc, &client, formBrush_.Get());
}

}  // namespace orvanta::toolkit
