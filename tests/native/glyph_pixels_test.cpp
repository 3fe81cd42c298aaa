#include "core/glyph_pixels.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace orvanta {
namespace {

std::vector<std::uint8_t> Glyph(int width, int height, const std::vector<std::vector<std::uint8_t>>& runs) {
    std::vector<std::uint8_t> bytes = {
        'G', 'L', 'Y', '1', static_cast<std::uint8_t>(width), 0, static_cast<std::uint8_t>(height), 0};
    for (const auto& run : runs) {
        bytes.insert(bytes.end(), run.begin(), run.end());
    }
    return bytes;
}

TEST(GlyphPixelsTest, DecodesRunsAndRefusesAnythingElse) {
    const auto decoded = DecodeGlyph(Glyph(3, 1, {{2, 0, 0, 255, 255}, {1, 0, 0, 0, 0}}));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->argb, (std::vector<std::uint32_t>{0xFFFF0000, 0xFFFF0000, 0}));

    auto badMark = Glyph(1, 1, {{1, 0, 0, 0, 0}});
    badMark[3] = '2';
    for (const auto& bytes : {badMark, Glyph(0, 1, {}), Glyph(2, 1, {{1, 0, 0, 0, 0}}), Glyph(1, 1, {{2, 0, 0, 0, 0}}),
                              Glyph(1, 1, {{0, 0, 0, 0, 0}, {1, 0, 0, 0, 0}}), Glyph(1, 1, {{1, 0, 0, 0}})}) {
        EXPECT_FALSE(DecodeGlyph(bytes).has_value());
    }
}

// Laid on the face, then each target pixel the average of the area it covers.
TEST(GlyphPixelsTest, LaysTheGlyphOnTheFaceAndAveragesWhatEachPixelCovers) {
    // Opaque black and transparent in a 2 x 2 chequer; a half-transparent red.
    const GlyphPixels chequer{2, 2, {0xFF000000, 0, 0, 0xFF000000}};
    const GlyphPixels red{1, 1, {0x80FF0000}};
    struct Case {
        const GlyphPixels& glyph;
        int width, height;
        std::vector<std::uint32_t> expected;
    };
    const Case cases[] = {
        {chequer, 2, 2, {0x000000, 0xFFFFFF, 0xFFFFFF, 0x000000}},
        {chequer, 1, 1, {0x808080}},
        {chequer, 4, 2, {0x000000, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0x000000, 0x000000}},
        {red, 1, 1, {0xFF7F7F}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RenderGlyph(c.glyph, c.width, c.height, 0xFFFFFF), c.expected) << c.width << " x " << c.height;
    }
}

}  // namespace
}  // namespace orvanta
