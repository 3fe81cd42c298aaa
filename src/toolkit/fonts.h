#pragma once

#include "form_types/form_description.h"
#include "toolkit/handles.h"

namespace orvanta::toolkit {

// Pixels per logical inch of the screen; form descriptions are laid out at 96.
int ScreenDpi();

// Whether a realised font is scalable, or a bitmap face that has the height (within a pixel) and
// the weight asked for.
bool DrawsAsAsked(HFONT font, int height, bool bold);
// An outline face, drawn at any height.
bool IsScalable(HFONT font);

// A font as a form description gives it, at the given resolution. A bitmap face gives way to a
// scalable face of the same role at any other resolution than 96 DPI, and at 96 where it cannot
// draw the height or weight asked for.
[[nodiscard]] UniqueFont CreateScaledFont(const forms::FontSpec& font, int dpi);

}  // namespace orvanta::toolkit
