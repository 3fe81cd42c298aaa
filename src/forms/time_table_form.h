#pragma once

#include "form_types/form_description.h"

namespace orvanta::forms {

// The time comparison table: two lists of places and the 24-hour grid comparing them.
const FormDescription& Time_TableDescription();

}  // namespace orvanta::forms
