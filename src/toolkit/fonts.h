#pragma once

#include "forms/form_description.h"
#include "toolkit/handles.h"

namespace orvanta::toolkit {

// Pixels per logical inch of the screen; form descriptions are laid out at 96.
int ScreenDpi();

// A font as a form description gives it, at the screen's resolution.
[[nodiscard]] UniqueFont CreateScaledFont(const forms::FontSpec& font, int dpi);

}  // namespace orvanta::toolkit
