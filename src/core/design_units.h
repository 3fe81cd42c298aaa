#pragma once

namespace orvanta {

// The settings file keeps the window's place and size in units of a 96-DPI screen, so that a file
// moved between screens of different resolution opens the window at the same size. Both ways
// round to the nearest pixel, halves away from zero (negative places exist left of or above the
// primary monitor). From 96 DPI up, pixels and back returns the stored value.
inline constexpr int kDesignDpi = 96;

int DesignUnitsToPixels(int units, int dpi);
int PixelsToDesignUnits(int pixels, int dpi);

}  // namespace orvanta
