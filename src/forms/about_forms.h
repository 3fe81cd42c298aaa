#pragma once

#include <array>
#include <string_view>

#include "form_types/form_description.h"

namespace orvanta::forms {

inline constexpr const char* kReleaseDate = "September 2007";
inline constexpr const char* kEmailHint = "Click to send an E-Mail to Tamsor.";
inline constexpr const char* kWebHint = "Click to visit Tamsor's WEB Page.";

// The rotating quotes of the about window, in the order its list holds them.
inline constexpr std::array<std::string_view, 4> kQuotes = {
    "I hope this program makes your work a little simpler, your play a little better, or your day a bit easier.",
    "If you have any comments, suggestions, improvements, or feedback, please email me.",
    "Useful software needn't take up Gigabytes of disk space, and my catalog of software proves this.",
    "Please support my efforts with a PayPal donation.",
};

// The about window: banner, animated logo, product lines, a rotating quote, free memory, the
// e-mail, web and donation links, the badge and OK.
const FormDescription& AboutBoxDescription();

// The help window: four lines of help and an OK button.
const FormDescription& HelpBoxDescription();

}  // namespace orvanta::forms
