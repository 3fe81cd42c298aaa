#pragma once

#include "forms/form_description.h"

namespace orvanta::forms {

// The about window: banner, animated logo, product lines, a rotating quote, free memory, the
// e-mail, web and donation links, the badge and OK.
const FormDescription& AboutBoxDescription();

// The help window: four lines of help and an OK button.
const FormDescription& HelpBoxDescription();

// The embedded images, by the names the resource script gives them.
inline constexpr const char* kLogoImage = "TAMSOR_LOGO";
inline constexpr const char* kBannerImage = "TAMSOR_BANNER";
inline constexpr const char* kBadgeImage = "MADE_BADGE";
inline constexpr const char* kDonateImage = "DONATE_BUTTON";
inline constexpr const char* kOkGlyphImage = "OK_GLYPH";

}  // namespace orvanta::forms
