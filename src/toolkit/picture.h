#pragma once

// Pictures: the drawings of core/about_pictures painted at whatever size a control has, their words
// written with the system's fonts, an animated one played frame by frame; and the button glyphs
// embedded in the executable as resources.

#include <windows.h>

#include <string_view>

#include "core/about_pictures.h"
#include "toolkit/handles.h"

namespace orvanta::toolkit {

// The drawing a form description names (forms::kLogoImage and its neighbours); nullptr for a name
// that is none.
const PictureDrawing* DrawingNamed(std::string_view name);

// Makes a STATIC control show a drawing filling its bounds, over the background its parent gives
// static controls. An animated drawing plays while animation is on, and loops. A name that is no
// drawing leaves the control showing the background alone.
class PictureView {
  public:
    PictureView(HWND control, std::string_view drawingName);
    PictureView(const PictureView&) = delete;
    PictureView& operator=(const PictureView&) = delete;
    ~PictureView();

    bool HasDrawing() const { return drawing_ != nullptr; }
    int FrameCount() const { return drawing_ != nullptr ? drawing_->frames : 0; }
    int CurrentFrame() const { return frame_; }
    bool Animated() const { return animated_; }
    void SetAnimated(bool animated);

    // Paints the picture into another control's DC whose client origin lies at `origin` in this
    // control's client coordinates: a transparent label lying on the picture shows it beneath.
    void PaintUnder(HDC dc, POINT origin) const;

  private:
    static LRESULT CALLBACK
    SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
    void Paint(HDC dc) const;
    void NextFrame();

    HWND window_;
    const PictureDrawing* drawing_;
    int frame_ = 0;
    bool animated_ = false;
    // The frame last drawn, kept for repaints (a label over the picture asks for it too) until the
    // frame, the size or the background changes.
    mutable RenderedPicture rendered_;
    mutable int renderedFrame_ = -1;
    mutable SIZE renderedSize_{};
    mutable COLORREF renderedBackground_ = CLR_INVALID;
};

// Puts an embedded image on a push button, left of its caption, as a square of `size` pixels. An
// image twice as wide as tall is two glyphs, normal and disabled. Nothing when the image does not
// decode: the button keeps its caption alone.
[[nodiscard]] UniqueImageList SetButtonGlyph(HWND button, std::string_view resourceName, int size);

}  // namespace orvanta::toolkit
