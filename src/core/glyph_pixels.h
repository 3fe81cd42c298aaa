#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace orvanta {

// A button glyph as the program embeds it: "GLY1", width and height (16 bits each, little-endian),
// then runs of one to 255 equal pixels, each a count byte and the pixel's blue, green, red and alpha.
struct GlyphPixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;  // straight alpha, rows top down
};

inline constexpr int kMaxGlyphSide = 1024;

// Nothing for bytes that are not such a glyph: a wrong mark, a side beyond kMaxGlyphSide, runs that
// end early or run past the last pixel.
std::optional<GlyphPixels> DecodeGlyph(std::span<const std::uint8_t> bytes);

// The glyph laid on a face colour (0xRRGGBB) and scaled to width x height by averaging the area each
// pixel covers: sharp at whole ratios, smooth at others. Opaque 0x00RRGGBB pixels, rows top down.
std::vector<std::uint32_t> RenderGlyph(const GlyphPixels& glyph, int width, int height, std::uint32_t face);

}  // namespace orvanta
