#pragma once

// The about window's pictures, drawn by the program at whatever size the window shows them: the
// animated logo (a globe turning under a clock hand), the banner, the badge and the donation button.
// The shapes come out as pixels; their words are left to the window, which writes them with the
// system's fonts.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "core/vector_canvas.h"

namespace orvanta {

enum class TextAnchor : std::uint8_t {
    BaselineLeft,  // (x, y) starts the text's baseline
    TopRight,      // (x, y) is the top right corner of the text's em
    Centre,        // the text's cell is centred on (x, y)
};

struct PictureText {
    std::string_view text;
    std::string_view face;
    double size = 0;  // the height of the em
    bool bold = false;
    bool italic = false;
    std::uint32_t rgb = 0;
    double x = 0;
    double y = 0;
    TextAnchor anchor = TextAnchor::BaselineLeft;
};

struct PictureDrawing {
    int width;   // the drawing's units: its size in pixels at 96 DPI before it is stretched
    int height;  // to its component's bounds
    int frames;
    unsigned frameDelayMs;  // 0: a still picture
    void (*draw)(VectorCanvas& canvas, int frame);
    std::span<const PictureText> texts;
};

extern const PictureDrawing kLogoPicture;
extern const PictureDrawing kBannerPicture;
extern const PictureDrawing kBadgePicture;
extern const PictureDrawing kDonatePicture;

inline constexpr int kMaxPictureSide = 4096;

struct RenderedPicture {
    std::vector<std::uint32_t> pixels;  // premultiplied, as VectorCanvas::Pixels gives them
    std::vector<PictureText> texts;     // placed and sized in pixels
};

// One frame (counted round the frames) stretched to width x height pixels over `background`
// (0xAARRGGBB), which stays wherever the picture leaves the pixels uncovered. Nothing for a side
// below 1 or above kMaxPictureSide.
RenderedPicture RenderPicture(const PictureDrawing& picture,
                              int frame,
                              int width,
                              int height,
                              std::uint32_t background);

}  // namespace orvanta
