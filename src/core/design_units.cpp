#include "core/design_units.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace orvanta {

namespace {

int Rescale(int value, int to, int from) {
    if (to == from || from <= 0) {
        return value;
    }
    const std::int64_t scaled = static_cast<std::int64_t>(value) * to;
    const std::int64_t half = from / 2;
    const std::int64_t rounded = scaled >= 0 ? (scaled + half) / from : -((-scaled + half) / from);
    // Whatever comes in, what goes out is an int.
    return static_cast<int>(std::clamp<std::int64_t>(rounded, INT_MIN, INT_MAX));
}

}  // namespace

int DesignUnitsToPixels(int units, int dpi) {
    return Rescale(units, dpi, kDesignDpi);
}

int PixelsToDesignUnits(int pixels, int dpi) {
    return Rescale(pixels, kDesignDpi, dpi);
}

}  // namespace orvanta
