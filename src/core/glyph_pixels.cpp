#include "core/glyph_pixels.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace orvanta {

std::optional<GlyphPixels> DecodeGlyph(std::span<const std::uint8_t> bytes) {
    constexpr std::array<std::uint8_t, 4> kMark = {'G', 'L', 'Y', '1'};
    if (bytes.size() < 8 || !std::equal(kMark.begin(), kMark.end(), bytes.begin())) {
        return std::nullopt;
    }
    GlyphPixels glyph;
    glyph.width = bytes[4] | (bytes[5] << 8);
    glyph.height = bytes[6] | (bytes[7] << 8);
    if (glyph.width < 1 || glyph.height < 1 || glyph.width > kMaxGlyphSide || glyph.height > kMaxGlyphSide) {
        return std::nullopt;
    }
    const std::size_t pixels = static_cast<std::size_t>(glyph.width) * static_cast<std::size_t>(glyph.height);
    glyph.argb.reserve(pixels);
    for (std::size_t at = 8; at < bytes.size(); at += 5) {
        if (bytes.size() - at < 5 || bytes[at] == 0 || glyph.argb.size() + bytes[at] > pixels) {
            return std::nullopt;
        }
        const std::uint32_t pixel = static_cast<std::uint32_t>(bytes[at + 4]) << 24 |
                                    static_cast<std::uint32_t>(bytes[at + 3]) << 16 |
                                    static_cast<std::uint32_t>(bytes[at + 2]) << 8 | bytes[at + 1];
        glyph.argb.insert(glyph.argb.end(), bytes[at], pixel);
    }
    if (glyph.argb.size() != pixels) {
        return std::nullopt;
    }
    return glyph;
}

std::vector<std::uint32_t> RenderGlyph(const GlyphPixels& glyph, int width, int height, std::uint32_t face) {
    if (width < 1 || height < 1 || glyph.argb.empty()) {
        return {};
    }
    // Each source pixel on the face first, so that the averaging mixes colours as the eye sees them.
    std::vector<std::array<double, 3>> laid(glyph.argb.size());
    for (std::size_t i = 0; i < glyph.argb.size(); ++i) {
        const std::uint32_t pixel = glyph.argb[i];
        const double alpha = static_cast<double>(pixel >> 24) / 255.0;
        for (int channel = 0; channel < 3; ++channel) {
            const int shift = 16 - 8 * channel;
            laid[i][static_cast<std::size_t>(channel)] =
                alpha * ((pixel >> shift) & 0xFF) + (1.0 - alpha) * ((face >> shift) & 0xFF);
        }
    }
    const double scaleX = static_cast<double>(glyph.width) / width;
    const double scaleY = static_cast<double>(glyph.height) / height;
    std::vector<std::uint32_t> out(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const double top = y * scaleY;
        const double bottom = std::min<double>((y + 1) * scaleY, glyph.height);
        for (int x = 0; x < width; ++x) {
            const double left = x * scaleX;
            const double right = std::min<double>((x + 1) * scaleX, glyph.width);
            std::array<double, 3> sum{};
            double area = 0;
            for (int sy = static_cast<int>(top); sy < bottom; ++sy) {
                const double coverY = std::min<double>(sy + 1, bottom) - std::max<double>(sy, top);
                for (int sx = static_cast<int>(left); sx < right; ++sx) {
                    const double cover = coverY * (std::min<double>(sx + 1, right) - std::max<double>(sx, left));
                    const auto& source = laid[static_cast<std::size_t>(sy) * glyph.width + sx];
                    for (std::size_t channel = 0; channel < 3; ++channel) {
                        sum[channel] += cover * source[channel];
                    }
                    area += cover;
                }
            }
            std::uint32_t pixel = 0;
            for (std::size_t channel = 0; channel < 3; ++channel) {
                const auto value = static_cast<std::uint32_t>(std::lround(sum[channel] / area));
                pixel |= std::min<std::uint32_t>(value, 255) << (16 - 8 * channel);
            }
            out[static_cast<std::size_t>(y) * width + x] = pixel;
        }
    }
    return out;
}

}  // namespace orvanta
