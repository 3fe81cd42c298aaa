#pragma once

// Pictures: images embedded in the executable as RCDATA resources and decoded by GDI+, drawn
// smoothly to whatever size a control has, and the frames of an animated GIF played with each
// frame's own delay.

#include <windows.h>

#include <memory>
#include <string_view>
#include <vector>

#include "toolkit/handles.h"

namespace orvanta::toolkit {

class GdiplusSession;
struct DecodedImage;

// One decoded image: a single frame, or the frames of an animated GIF.
class EmbeddedImage {
  public:
    // Nothing when the resource is missing or damaged, or GDI+ cannot start; throws
    // MissingSystemPart when this Windows has no GDI+.
    [[nodiscard]] static std::unique_ptr<EmbeddedImage> Load(std::string_view resourceName);
    EmbeddedImage(const EmbeddedImage&) = delete;
    EmbeddedImage& operator=(const EmbeddedImage&) = delete;
    ~EmbeddedImage();

    int Width() const;
    int Height() const;
    int FrameCount() const { return static_cast<int>(delaysMs_.size()); }
    // How long a frame stays, in milliseconds.
    unsigned FrameDelayMs(int frame) const;
    int CurrentFrame() const { return frame_; }
    void SelectFrame(int frame);

    // Draws the current frame stretched to the rectangle with bicubic filtering, so that it stays
    // smooth at any size.
    void Draw(HDC dc, const RECT& bounds) const;

  private:
    EmbeddedImage() = default;

    std::shared_ptr<GdiplusSession> session_;
    std::unique_ptr<DecodedImage> image_;
    std::vector<unsigned> delaysMs_;
    int frame_ = 0;
};

// Makes a STATIC control show an embedded image filling its bounds. An animated image plays while
// animation is on and loops. Where the image could not be decoded the control shows the
// background its parent gives static controls, as it does where this Windows has no GDI+.
class PictureView {
  public:
    PictureView(HWND control, std::string_view resourceName);
    PictureView(const PictureView&) = delete;
    PictureView& operator=(const PictureView&) = delete;
    ~PictureView();

    bool Decoded() const { return image_ != nullptr; }
    int Width() const;
    int Height() const;
    int FrameCount() const { return image_ ? image_->FrameCount() : 0; }
    int CurrentFrame() const { return image_ ? image_->CurrentFrame() : 0; }
    bool Animated() const { return animated_; }
    void SetAnimated(bool animated);

    // Paints the picture into another control's DC whose client origin lies at `origin` in this
    // control's client coordinates: a transparent label lying on the picture shows it beneath.
    void PaintUnder(HDC dc, POINT origin) const;

  private:
    static LRESULT CALLBACK
    SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
    void Paint(HDC dc) const;
    void ScheduleNextFrame();
    void NextFrame();

    HWND window_;
    std::unique_ptr<EmbeddedImage> image_;
    bool animated_ = false;
};

// Puts an embedded image on a push button, left of its caption, as a square of `size` pixels. An
// image twice as wide as tall is two glyphs, normal and disabled. Nothing when the image does not
// decode: the button keeps its caption alone.
[[nodiscard]] UniqueImageList SetButtonGlyph(HWND button, std::string_view resourceName, int size);

}  // namespace orvanta::toolkit
