#pragma once

#include "forms/form_description.h"

namespace orvanta::forms {

// The about window: product information and the way back (OK, Enter or Escape).
const FormDescription& AboutBoxDescription();

// The help window: four lines of help and an OK button.
const FormDescription& HelpBoxDescription();

}  // namespace orvanta::forms
