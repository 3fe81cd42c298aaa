// Colours: of the form, of its components (WM_CTLCOLORSTATIC and WM_CTLCOLORBTN), in the look the
// system's preferences ask for, and the subclass that paints a frame's interior.

#include "toolkit/colors.h"

#include <commctrl.h>

#include <stdexcept>

#include "toolkit/component_kinds.h"
#include "toolkit/form.h"
#include "toolkit/picture.h"
#include "toolkit/win_system_preferences.h"

namespace orvanta::toolkit {

namespace {

Paint Designed(const forms::Color& color, Paint fallback) {
    switch (color.kind) {
        case forms::Color::Kind::Default:
            return fallback;
        case forms::Color::Kind::ButtonFace:
            return Paint::System(SystemColor::ButtonFace);
        case forms::Color::Kind::WindowText:
            return Paint::System(SystemColor::WindowText);
        case forms::Color::Kind::Window:
            return Paint::System(SystemColor::Window);
        case forms::Color::Kind::Rgb:
            return Paint::Rgb(color.rgb);
    }
    return fallback;
}

BOOL CALLBACK TellOfSystemColors(HWND child, LPARAM) {
    SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
    return TRUE;
}

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

COLORREF ToColorRef(Paint paint) {
    if (!paint.isSystem) {
        return RGB((paint.rgb >> 16) & 0xFF, (paint.rgb >> 8) & 0xFF, paint.rgb & 0xFF);
    }
    switch (paint.system) {
        case SystemColor::ButtonFace:
            return GetSysColor(COLOR_BTNFACE);
        case SystemColor::Window:
            return GetSysColor(COLOR_WINDOW);
        case SystemColor::WindowText:
            return GetSysColor(COLOR_WINDOWTEXT);
        case SystemColor::HotLight:
            return GetSysColor(COLOR_HOTLIGHT);
    }
    return GetSysColor(COLOR_BTNFACE);
}

COLORREF ToColorRef(const forms::Color& color, COLORREF fallback) {
    return color.kind == forms::Color::Kind::Default ? fallback : ToColorRef(Designed(color, {}));
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
    // In high contrast a text stands on the theme's background, never on a picture.
    const bool transparent = d.transparent && form_.Look() != LookMode::HighContrast;
    if (transparent) {
        // The pictures beneath are clipped out of this control's area, so it paints them itself,
        // before its own colours are chosen: a picture sets the colours of the DC it paints in.
        form_.PaintPicturesBeneath(*this, dc);
    }
    // Links are underlined, so they are told apart by more than their colour.
    SetTextColor(dc, form_.LookColorRef(d.font.underline ? ColorRole::LinkText : ColorRole::Text, d.textColor));
    if (transparent) {
        SetBkMode(dc, TRANSPARENT);
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    SetBkColor(dc, form_.LookColorRef(ColorRole::Background, d.backColor));
    return d.backColor.kind == forms::Color::Kind::Default ? form_.formBrush_.Get() : backBrush_.Get();
}

void Control::ApplyLook(bool colorsChanged) {
    const auto& d = description_;
    if (d.backColor.kind != forms::Color::Kind::Default) {
        backBrush_.Reset(CreateSolidBrush(form_.LookColorRef(ColorRole::Background, d.backColor)));
    }
    // A glyph is laid on the button face when it is made.
    if (colorsChanged && d.kind == forms::ComponentKind::Button && !d.image.empty()) {
        ShowImage();
    }
}

COLORREF Form::LookColorRef(ColorRole role, const forms::Color& designed) const {
    const Paint fallback = role == ColorRole::Background
                               ? Designed(description_.color, Paint::System(SystemColor::ButtonFace))
                               : Paint::System(SystemColor::WindowText);
    return ToColorRef(LookColor(look_, role, Designed(designed, fallback)));
}

void Form::FollowSystemLook(const SystemPreferences& preferences, bool followsDarkTheme) {
    preferences_ = &preferences;
    followsDarkTheme_ = followsDarkTheme;
    ApplySystemLook(false);
}

void Form::ApplySystemLook(bool colorsChanged) {
    const LookMode look = DecideLookMode(preferences_->Look(), followsDarkTheme_);
    if (look == look_ && !colorsChanged) {
        return;
    }
    const bool titleBarChanges = followsDarkTheme_ && (look == LookMode::Dark) != (look_ == LookMode::Dark);
    look_ = look;
    formBrush_.Reset(CreateSolidBrush(LookColorRef(ColorRole::Background, description_.color)));
    for (const auto& control : components_) {
        control->ApplyLook(colorsChanged);
    }
    if (colorsChanged) {
        // Common controls hear of new system colours only from their parent.
        EnumChildWindows(window_, &TellOfSystemColors, 0);
    }
    if (titleBarChanges) {
        ShowDarkTitleBar(window_, look == LookMode::Dark);
    }
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
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
