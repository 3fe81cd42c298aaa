#include "core/about_pictures.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvanta {

namespace {

// The program's own colours: the icon's red, a deep blue for the globe and the banner.
constexpr std::uint32_t kNavy = 0xFF0B2545;
constexpr std::uint32_t kBlue = 0xFF1D4E89;
constexpr std::uint32_t kSea = 0xFF2F6FB5;
constexpr std::uint32_t kSeaLight = 0xFF5D9BE0;
constexpr std::uint32_t kLine = 0xFFCFE3F7;
constexpr std::uint32_t kRed = 0xFFD01818;
constexpr std::uint32_t kGold = 0xFFF2B705;
constexpr std::uint32_t kPaleGold = 0xFFFFE27A;
constexpr std::uint32_t kDarkGold = 0xFFB07A00;
constexpr std::uint32_t kGreen = 0xFF1F7A3A;
constexpr std::uint32_t kFace = 0xFFF0F0F0;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;

constexpr int kLogoFrames = 8;

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

// A point `length` from `centre` towards the hour hand's position at `degrees` (0: twelve o'clock).
Point2 Towards(Point2 centre, double degrees, double length) {
    return {centre.x + length * std::sin(Radians(degrees)), centre.y - length * std::cos(Radians(degrees))};
}

// The clock with the globe inside it, in the logo's units (135 x 125). The globe turns a frame's
// share of the 30 degrees between meridians, so that the last frame leads back into the first, and
// the hand makes one turn over the frames.
void DrawGlobeClock(VectorCanvas& canvas, int frame) {
    constexpr Point2 kCentre{67.5, 62.5};
    constexpr double kRadius = 44;
    canvas.FillEllipse(kCentre, 60.5, 60.5, Solid(kNavy));
    canvas.FillEllipse(kCentre, 55, 55, Solid(kFace));
    for (int hour = 0; hour < 12; ++hour) {
        const bool quarter = hour % 3 == 0;
        canvas.StrokeLine(Towards(kCentre, hour * 30, quarter ? 46 : 49), Towards(kCentre, hour * 30, 54),
                          quarter ? 3 : 1.5, LineCap::Butt, Solid(kNavy));
    }
    canvas.FillEllipse(kCentre, kRadius, kRadius, Solid(kSea));
    canvas.StrokeArc(kCentre, kRadius, kRadius, 0, 360, 1.5, Solid(kNavy));
    // Light from the upper left.
    canvas.FillEllipse({kCentre.x - 14, kCentre.y - 16}, 16, 12, Solid(kSeaLight));
    // Parallels, straight as seen from the equator.
    for (const int latitude : {-60, -30, 0, 30, 60}) {
        const double y = kCentre.y - kRadius * std::sin(Radians(latitude));
        const double half = kRadius * std::cos(Radians(latitude));
        canvas.StrokeLine({kCentre.x - half, y}, {kCentre.x + half, y}, 1.2, LineCap::Butt, Solid(kLine));
    }
    for (int k = -6; k <= 6; ++k) {
        const double longitude = k * 30 + frame * 30.0 / kLogoFrames;
        if (longitude <= -90 || longitude >= 90) {
            continue;
        }
        const double radiusX = std::abs(kRadius * std::sin(Radians(longitude)));
        if (radiusX < 0.6) {
            canvas.StrokeLine({kCentre.x, kCentre.y - kRadius}, {kCentre.x, kCentre.y + kRadius}, 1.2, LineCap::Butt,
                              Solid(kLine));
        } else {
            const double from = longitude > 0 ? -90 : 90;
            canvas.StrokeArc(kCentre, radiusX, kRadius, from, from + 180, 1.2, Solid(kLine));
        }
    }
    const double hand = frame * 360.0 / kLogoFrames;
    canvas.StrokeLine(Towards(kCentre, hand, -10), Towards(kCentre, hand, 52), 3.5, LineCap::Round, Solid(kRed));
    canvas.FillEllipse(kCentre, 5, 5, Solid(kRed));
}

void DrawLogo(VectorCanvas& canvas, int frame) {
    canvas.FillRoundRect({0, 0}, {135, 125}, 0, Solid(kWhite));
    DrawGlobeClock(canvas, frame);
}

void DrawBanner(VectorCanvas& canvas, int) {
    canvas.FillRoundRect({0, 0}, {611, 67}, 0, {kNavy, kBlue, 0, 67});
    // A thin gold rule along the bottom edge.
    canvas.FillRoundRect({0, 62}, {611, 63.5}, 0, Solid(kGold));
    // The logo's clock, small, on the left, as it stands in the logo's second frame.
    const Transform banner = canvas.CurrentTransform();
    canvas.SetTransform(banner.After({58.0 / 135, 54.0 / 125, 14, 5}));
    DrawGlobeClock(canvas, 1);
    canvas.SetTransform(banner);
}

// A dark green plate for the window's white text on the left, a gold sun rising over a horizon on the
// right.
void DrawBadge(VectorCanvas& canvas, int) {
    canvas.FillRoundRect({1, 1}, {148, 40}, 6, Solid(kGreen));
    canvas.StrokeRoundRect({1, 1}, {148, 40}, 6, 2, Solid(kGold));
    canvas.FillEllipse({128, 27}, 14, 14, Solid(kGold));
    canvas.FillRoundRect({110, 27}, {146, 38.5}, 0, Solid(kGreen));
    canvas.StrokeLine({110, 27}, {146, 27}, 2, LineCap::Butt, Solid(kGold));
}

void DrawDonate(VectorCanvas& canvas, int) {
    canvas.FillRoundRect({0, 0}, {62, 31}, 12, {kPaleGold, kGold, 0, 31});
    canvas.StrokeRoundRect({1, 1}, {61, 30}, 11, 1, Solid(kDarkGold));
}

constexpr PictureText kBannerTexts[] = {
    {"Tamsor Software", "Times New Roman", 30, true, false, 0xFFFFFF, 86, 38, TextAnchor::BaselineLeft},
    {"small programs that do one thing well", "Times New Roman", 13, false, true, kLine & 0xFFFFFF, 88, 55,
     TextAnchor::BaselineLeft},
    {"WORLD CLOCK", "Arial", 13, true, false, kGold & 0xFFFFFF, 611 - 16, 12, TextAnchor::TopRight},
};

constexpr PictureText kDonateTexts[] = {
    {"Donate", "Arial", 13, true, false, kNavy & 0xFFFFFF, 31, 15.5, TextAnchor::Centre},
};

}  // namespace

const PictureDrawing kLogoPicture{135, 125, kLogoFrames, 100, &DrawLogo, {}};
const PictureDrawing kBannerPicture{611, 67, 1, 0, &DrawBanner, kBannerTexts};
const PictureDrawing kBadgePicture{149, 41, 1, 0, &DrawBadge, {}};
const PictureDrawing kDonatePicture{62, 31, 1, 0, &DrawDonate, kDonateTexts};

RenderedPicture RenderPicture(const PictureDrawing& picture,
                              int frame,
                              int width,
                              int height,
                              std::uint32_t background) {
    RenderedPicture rendered;
    if (width < 1 || height < 1 || width > kMaxPictureSide || height > kMaxPictureSide) {
        return rendered;
    }
    VectorCanvas canvas(width, height, background);
    const double scaleX = static_cast<double>(width) / picture.width;
    const double scaleY = static_cast<double>(height) / picture.height;
    canvas.SetTransform({scaleX, scaleY, 0, 0});
    const int frames = std::max(picture.frames, 1);
    picture.draw(canvas, (frame % frames + frames) % frames);
    rendered.pixels = canvas.Pixels();
    rendered.texts.assign(picture.texts.begin(), picture.texts.end());
    for (PictureText& text : rendered.texts) {
        text.size *= scaleY;
        text.x *= scaleX;
        text.y *= scaleY;
    }
    return rendered;
}

}  // namespace orvanta
