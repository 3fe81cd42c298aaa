#pragma once

#include "forms/form_description.h"

namespace orvanta::forms {

// The about window: banner, animated logo, product lines, a rotating quote, free memory, the
// e-mail, web and donation links, the badge and OK.
const FormDescription& AboutBoxDescription();

// The help window: four lines of help and an OK button.
const FormDescription& HelpBoxDescription();

}  // namespace orvanta::forms
