#include "core/about_pictures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace orvanta {
namespace {

// The logo's hand points to each eighth of the dial in turn, the frames counted round.
TEST(AboutPicturesTest, TheLogosHandMakesOneTurnOverItsFrames) {
    constexpr int kWidth = 173;
    constexpr int kHeight = 165;
    const double scaleX = static_cast<double>(kWidth) / kLogoPicture.width;
    const double scaleY = static_cast<double>(kHeight) / kLogoPicture.height;
    const auto isRed = [](std::uint32_t pixel) {
        return ((pixel >> 16) & 0xFF) > 150 && ((pixel >> 8) & 0xFF) < 80 && (pixel & 0xFF) < 80;
    };
    ASSERT_EQ(kLogoPicture.frames, 8);
    for (int frame = -1; frame <= 8; ++frame) {
        const auto pixels = RenderPicture(kLogoPicture, frame, kWidth, kHeight, 0xFFF0F0F0).pixels;
        ASSERT_EQ(pixels.size(), std::size_t{kWidth * kHeight});
        const auto at = [&](double degrees) {
            const double radians = degrees * std::numbers::pi / 180;
            const int x = static_cast<int>((67.5 + 35 * std::sin(radians)) * scaleX);
            const int y = static_cast<int>((62.5 - 35 * std::cos(radians)) * scaleY);
            return pixels[static_cast<std::size_t>(y * kWidth + x)];
        };
        const double hand = ((frame + 8) % 8) * 45.0;
        EXPECT_TRUE(isRed(at(hand))) << frame;
        EXPECT_FALSE(isRed(at(hand + 90))) << frame;
    }
}

TEST(AboutPicturesTest, WhatAPictureLeavesUncoveredShowsTheBackgroundAndItsWordsScaleWithIt) {
    for (const PictureDrawing* picture : {&kBadgePicture, &kDonatePicture}) {
        EXPECT_EQ(RenderPicture(*picture, 0, 2 * picture->width, 2 * picture->height, 0xFF123456).pixels.front(),
                  0xFF123456u);
    }
    const RenderedPicture banner = RenderPicture(kBannerPicture, 0, 1222, 134, 0xFF000000);
    ASSERT_EQ(banner.texts.size(), 3u);
    EXPECT_DOUBLE_EQ(banner.texts[0].size, 60);
    EXPECT_DOUBLE_EQ(banner.texts[0].y, 76);
    EXPECT_DOUBLE_EQ(banner.texts[2].x, 1190);
    for (const int side : {0, kMaxPictureSide + 1}) {
        EXPECT_TRUE(RenderPicture(kBannerPicture, 0, side, 67, 0).pixels.empty()) << side;
    }
}

}  // namespace
}  // namespace orvanta
