// A form moved to a screen of another resolution (WM_DPICHANGED): every component's place and
// size, the fonts, the glyphs and the grid's columns follow, and the frame takes the rectangle
// the system suggests. Places are scaled from where the components are now, not from the
// design, so rows the program has moved or hidden stay as it left them.

#include <windows.h>

#include <commctrl.h>

#include "toolkit/component_kinds.h"
#include "toolkit/control.h"
#include "toolkit/form.h"

namespace orvanta::toolkit {

namespace {

void RescaleWithinParent(HWND window, int oldDpi, int newDpi) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&bounds), 2);
    const int left = MulDiv(bounds.left, newDpi, oldDpi);
    const int top = MulDiv(bounds.top, newDpi, oldDpi);
    SetWindowPos(window, nullptr, left, top, MulDiv(bounds.right, newDpi, oldDpi) - left,
                 MulDiv(bounds.bottom, newDpi, oldDpi) - top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void Form::OnDpiChanged(int dpi, const RECT& suggested) {
    const int oldDpi = dpi_;
    if (dpi > 0 && dpi != oldDpi) {
        dpi_ = dpi;
        // The old fonts stay alive until every control has taken its new one.
        auto oldFonts = std::move(fonts_);
        fonts_.clear();
        for (HWND page : pages_) {
            RescaleWithinParent(page, oldDpi, dpi);
        }
        for (auto& control : components_) {
            control->Rescale(oldDpi, dpi);
        }
    }
    MoveFrame(suggested.left, suggested.top, suggested.right - suggested.left, suggested.bottom - suggested.top);
}

void Control::Rescale(int oldDpi, int newDpi) {
    const auto& d = description_;
    RescaleWithinParent(window_, oldDpi, newDpi);
    font_ = form_.Font(d.font.InheritsFormFont() ? form_.Description().font : d.font);
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    if (d.kind == forms::ComponentKind::ListBox && d.itemHeight > 0) {
        SendMessageW(window_, LB_SETITEMHEIGHT, 0, form_.Scale(d.itemHeight));
    }
    if (d.kind == forms::ComponentKind::Grid) {
        FitGridColumns(*this);
    }
    if (glyph_.Get() != nullptr) {
        ShowImage();
    }
    if (d.autoSize) {
        FitToText();
    }
    InvalidateRect(window_, nullptr, TRUE);
}

}  // namespace orvanta::toolkit
