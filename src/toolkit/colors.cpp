// Colours: of the form, of its components (WM_CTLCOLORSTATIC and WM_CTLCOLORBTN), and the
// subclass that paints a frame's interior.

#include "toolkit/colors.h"

#include <commctrl.h>

#include <stdexcept>

#include "toolkit/component_kinds.h"
#include "toolkit/form.h"
#include "toolkit/picture.h"

namespace orvanta::toolkit {

namespace {

void FillInterior(HWND frame, HDC dc) {
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(frame), WM_CTLCOLORSTATIC,
                                                       reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(frame)));
    RECT client{};
    GetClientRect(frame, &client);
    FillRect(dc, &client, brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT CALLBACK
FrameSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR subclassId, DWORD_PTR raised) {
    switch (message) {
        case WM_ERASEBKGND:
            FillInterior(window, reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_PAINT:
            if (raised != 0) {
                PAINTSTRUCT paint{};
                HDC dc = BeginPaint(window, &paint);
                FillInterior(window, dc);
                RECT client{};
                GetClientRect(window, &client);
                DrawEdge(dc, &client, BDR_RAISEDINNER, BF_RECT);
                EndPaint(window, &paint);
                return 0;
            }
            break;
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

void PaintFrameInterior(HWND frame, bool raised) {
    if (!SetWindowSubclass(frame, &FrameSubclassProc, 0, raised ? 1 : 0)) {
        throw std::runtime_error("Cannot subclass a frame");
    }
}

HBRUSH Control::PrepareColors(HDC dc) const {
    const auto& d = description_;
    if (KindInfo(d.kind).userEditsText) {
        return nullptr;  // read-only edits keep the system's look
    }
    if (d.transparent) {
        // The pictures beneath are clipped out of this control's area, so it paints them itself,
        // before its own colours are chosen: a picture sets the colours of the DC it paints in.
        form_.PaintPicturesBeneath(*this, dc);
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

void Form::PaintPicturesBeneath(const Control& control, HDC dc) const {
    const RECT bounds = control.Bounds();
    for (const auto& other : components_) {
        const RECT pictureBounds = other->Bounds();
        RECT overlap{};
        if (other->Picture() != nullptr && IntersectRect(&overlap, &bounds, &pictureBounds)) {
            other->Picture()->PaintUnder(dc, {bounds.left - pictureBounds.left, bounds.top - pictureBounds.top});
        }
    }
}

void Form::EraseBackground(HDC dc) const {
    RECT client{};
    GetClientRect(window_, &client);
    FillRect(dc, &client, formBrush_.Get());
}

}  // namespace orvanta::toolkit
