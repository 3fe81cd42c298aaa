#include "core/vector_canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

namespace orvanta {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr Shade kWhite = Solid(0xFFFFFFFF);

double CoveredArea(const VectorCanvas& canvas) {
    double area = 0;
    for (const std::uint32_t pixel : canvas.Pixels()) {
        area += (pixel >> 24) / 255.0;
    }
    return area;
}

// Each pixel is covered by the share of it that the shape covers: the alpha of all pixels adds up to
// the shape's area, at fractional edges, for strokes thinner than a pixel, and where the segments
// of an arc overlap.
TEST(VectorCanvasTest, CoverageAddsUpToEachShapesArea) {
    const struct Case {
        const char* shape;
        std::function<void(VectorCanvas&)> draw;
        double area;
    } cases[] = {
        {"circle",
         [](VectorCanvas& c) {
             c.FillEllipse({32.3, 31.7}, 10, 10, kWhite);
         },
         kPi * 100},
        {"ellipse",
         [](VectorCanvas& c) {
             c.FillEllipse({32, 32}, 20, 8, kWhite);
         },
         kPi * 160},
        {"rectangle",
         [](VectorCanvas& c) {
             c.FillRoundRect({10.25, 12.5}, {50.75, 30}, 0, kWhite);
         },
         40.5 * 17.5},
        {"round rectangle",
         [](VectorCanvas& c) {
             c.FillRoundRect({8, 8}, {56, 40}, 6, kWhite);
         },
         48 * 32 - (4 - kPi) * 36},
        {"round rectangle's outline",
         [](VectorCanvas& c) {
             c.StrokeRoundRect({8, 8}, {56, 40}, 6, 2, kWhite);
         },
         2 * (2 * (48 + 32) - 8 * 6 + 2 * kPi * 6)},
        {"line",
         [](VectorCanvas& c) {
             c.StrokeLine({10, 20}, {50, 44}, 3, LineCap::Butt, kWhite);
         },
         3 * std::hypot(40, 24)},
        {"line with round ends",
         [](VectorCanvas& c) {
             c.StrokeLine({10, 20}, {50, 44}, 3, LineCap::Round, kWhite);
         },
         3 * std::hypot(40, 24) + kPi * 1.5 * 1.5},
        {"hairline",
         [](VectorCanvas& c) {
             c.StrokeLine({8, 32.5}, {56, 32.5}, 0.5, LineCap::Butt, kWhite);
         },
         24},
        {"circle's outline",
         [](VectorCanvas& c) {
             c.StrokeArc({32, 32}, 20, 20, 0, 360, 1.5, kWhite);
         },
         2 * kPi * 20 * 1.5},
        {"half an outline",
         [](VectorCanvas& c) {
             c.StrokeArc({32, 32}, 20, 20, -90, 90, 2, kWhite);
         },
         kPi * 20 * 2 + kPi},
        {"scaled circle",
         [](VectorCanvas& c) {
             c.SetTransform({2, 2, 40, 40});
             c.FillEllipse({-4, -4}, 5, 5, kWhite);
         },
         kPi * 100},
    };
    for (const Case& c : cases) {
        VectorCanvas canvas(64, 64, 0);
        c.draw(canvas);
        EXPECT_NEAR(CoveredArea(canvas), c.area, c.area * 0.01) << c.shape;
    }
}

TEST(VectorCanvasTest, PaintsArePremultipliedAndGradientsRunDownwards) {
    VectorCanvas halfRed(2, 1, 0);
    halfRed.FillRoundRect({0, 0}, {1, 1}, 0, Solid(0x80FF0000));
    EXPECT_EQ(halfRed.Pixels(), (std::vector<std::uint32_t>{0x80800000, 0}));

    VectorCanvas onWhite(1, 1, 0xFFFFFFFF);
    onWhite.FillRoundRect({0, 0}, {1, 1}, 0, Solid(0x80000000));
    EXPECT_EQ(onWhite.Pixels(), std::vector<std::uint32_t>{0xFF7F7F7F});

    VectorCanvas gradient(1, 10, 0);
    gradient.SetTransform({1, 2, 0, 0});  // the drawing's 5 units cover the 10 pixels
    gradient.FillRoundRect({0, 0}, {1, 5}, 0, {0xFF000000, 0xFF0000FF, 0, 5});
    const auto pixels = gradient.Pixels();
    EXPECT_EQ(pixels.front(), 0xFF00000Du);  // a twentieth of the way at the first row's centre
    EXPECT_EQ(pixels.back(), 0xFF0000F2u);
}

}  // namespace
}  // namespace orvanta
